// Writes the seed corpora with the program's own writers: recorded page streams (the puzzle page
// and a page of every drawing operation), saved games and settings files, and a few damaged
// variants of each. Run once by hand; its output is committed under fuzz/corpus/.
#include "fuzz/FuzzMeasurer.h"
#include "game/PuzzlePage.h"
#include "game/SavedGame.h"
#include "game/Settings.h"
#include "game/TGame.h"
#include "platform/IniFile.h"
#include "platform/JpegEncoder.h"
#include "platform/RgbBitmap.h"
#include "report/NDRWriter.h"
#include "report/ReportStream.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<std::uint8_t>;

void Save(const fs::path& folder, const std::string& name, const void* data, std::size_t size) {
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
}

void Save(const fs::path& folder, const std::string& name, const TBytes& bytes) {
    Save(folder, name, bytes.data(), bytes.size());
}

void Save(const fs::path& folder, const std::string& name, const std::string& text) {
    Save(folder, name, text.data(), text.size());
}

TBytes Record(const std::function<void(TNDRWriter&)>& layout, const TReferenceDevice& device = {}) {
    static TFuzzMeasurer measurer;
    TNDRWriter writer;
    writer.SetMeasurer(measurer);
    writer.SetDevice(device);
    writer.SetTitle("Velmora");
    writer.OnPrint = [&](TBaseReport&) { layout(writer); };
    writer.Execute();
    return writer.MemoryBytes();
}

platform::RgbBitmap SmallBoard() {
    platform::RgbBitmap bitmap(12, 12);
    for (int i = 0; i < 12; ++i) {
        bitmap.SetPixel(i, i, {0, 0, 0});
        bitmap.SetPixel(i, 0, {200, 0, 0});
    }
    return bitmap;
}

void EveryOperation(TNDRWriter& w) {
    const platform::RgbBitmap bitmap = SmallBoard();
    const TReportGraphic graphic = TReportGraphic::FromBitmap(bitmap);
    w.SetReportVar("Player", "Ann");
    w.SelectFont("Arial", 14);
    w.SetBold(true);
    w.PrintAt(1, 1, "Plain text");
    w.SetItalic(true);
    w.TextCenteredAt("Page \xFD$RPCM11 of \xFD$RPCM10", 4);
    w.TextRightAt("\x01"
                  "B1\x02"
                  "C255\x04"
                  "bold red\x01R\x04 plain",
                  7);
    w.TextJustifiedAt("justified words here", 1, 5);
    w.TextLeftAt("Player \xFD$RPCV\xFCPlayer\xFB", 1);
    w.TextRect({10, 10, 200, 60}, 1, 2, "clipped text");
    w.SetPenColor(0x0000FF);
    w.SetPenWidth(3);
    w.SetPenStyle(2);
    w.MoveTo(1, 3);
    w.LineTo(5, 3.5);
    w.Rectangle(1, 4, 2, 5);
    w.ShadeRectangle(2, 4, 3, 5);
    w.RoundRect(3, 4, 4, 5, 0.2, 0.2);
    w.Ellipse(4, 4, 5, 5);
    w.Arc(1, 5, 2, 6, 1, 5.5, 2, 5.5);
    w.Chord(2, 5, 3, 6, 2, 5.5, 3, 5.5);
    w.Pie(3, 5, 4, 6, 3, 5.5, 4, 5.5);
    w.SetBrushColor(0x00FF00);
    w.SetBrushStyle(2);
    w.Polygon({{100, 100}, {200, 120}, {150, 220}});
    w.Polyline({{300, 300}, {320, 310}, {340, 300}, {360, 330}});
    w.FillRect({400, 400, 450, 450});
    w.FrameRect({400, 500, 450, 550});
    w.DrawFocusRect({400, 600, 450, 650});
    w.FloodFill(1, 1, 0, 0);
    w.Draw(5, 1, graphic);
    w.RegisterGraphic(1);
    w.StretchDraw({500, 100, 600, 200}, graphic);
    w.ReuseGraphic(1);
    w.DrawBitmapScaled(5, 2, 2, 2, graphic);
    w.DrawBitmapRect(5, 3, 6, 4, bitmap);
    TMemoryStream jpeg(platform::JpegEncoder(80).Encode(bitmap));
    w.DrawImageData(5, 5, 6, 6, jpeg, "JPG");
    w.SendRawText("raw");
    w.OutputPreviewOnly();
    w.OutputEverywhere();
    w.RequestBin("Tray 1");
    w.SetRenderOption(1);
    w.NewPage();
    w.SetFontRotation(90);
    w.SetUnderline(true);
    w.SetStrikeOut(true);
    w.PrintAt(1, 1, "second page");
    w.SetReportVar("Player", "Bob");
    w.PrintAt(1, 2, std::string(200, 'x'));
}

void PageStreams(const fs::path& corpus) {
    const TBytes puzzle = Record([](TNDRWriter& w) { PrintPuzzlePage(w, SmallBoard(), 67387906); });
    const TBytes every = Record(EveryOperation);
    const TBytes empty = Record([](TNDRWriter&) {});
    for (const char* target : {"page_stream", "pdf_replay"}) {
        const fs::path folder = corpus / target;
        Save(folder, "puzzle-page.ndr", puzzle);
        Save(folder, "every-operation.ndr", every);
        Save(folder, "empty-page.ndr", empty);
        Save(folder, "truncated.ndr",
             TBytes(every.begin(), every.begin() + static_cast<long>(every.size() / 2)));
        TBytes badHeader = puzzle;
        badHeader[0] = 'X';
        Save(folder, "bad-header.ndr", badHeader);
        TBytes oldHeader = puzzle;
        oldHeader[0] = 'Y';
        Save(folder, "old-header.ndr", oldHeader);
        TBytes badCode = every;
        badCode[badCode.size() - 1] = 200; // the last page's end code
        Save(folder, "bad-code.ndr", badCode);
    }
}

// The macro that stands for variable Name.
std::string VariableMacro(const std::string& name) {
    return "\xFD$RPCV\xFC" + name + "\xFB";
}

// Defines V0 as Width letters and each further level as Copies[k] references to the level below;
// returns the macro of the last level.
std::string NestedVariables(TNDRWriter& w, int width, const std::vector<int>& copies) {
    w.SetReportVar("V0", std::string(static_cast<std::size_t>(width), 'x'));
    std::string below = "V0";
    for (std::size_t k = 0; k < copies.size(); ++k) {
        const std::string name = "V" + std::to_string(k + 1);
        std::string value;
        for (int c = 0; c < copies[k]; ++c)
            value += VariableMacro(below);
        w.SetReportVar(name, value);
        below = name;
    }
    return VariableMacro(below);
}

// Small streams that once made the renderers produce or compute far more than they hold.
void AmplifyingStreams(const fs::path& corpus) {
    const fs::path folder = corpus / "pdf_replay";
    // Each 10-byte text expands to 900 KB.
    Save(folder, "finding-nested-variables.ndr", Record([](TNDRWriter& w) {
             const std::string text = NestedVariables(w, 220, {8, 8, 8, 8});
             for (int k = 0; k < 30; ++k)
                 w.PrintAt(1, 1, text);
         }));
    // Each text stays below the limit of one text, together they expand to 280 KB.
    Save(folder, "finding-expanding-page.ndr", Record([](TNDRWriter& w) {
             const std::string text = NestedVariables(w, 220, {8, 8, 2});
             for (int k = 0; k < 10; ++k)
                 w.PrintAt(1, 1, text);
         }));
    // One picture, recorded once and drawn 200 times by reference.
    Save(folder, "finding-repeated-picture.ndr", Record([](TNDRWriter& w) {
             const TReportGraphic graphic = TReportGraphic::FromBitmap(SmallBoard());
             w.DrawBitmapRect(1, 1, 2, 2, graphic);
             w.RegisterGraphic(1);
             for (int k = 0; k < 200; ++k) {
                 w.ReuseGraphic(1);
                 w.DrawBitmapRect(1, 1, 2, 2, graphic);
             }
         }));
    // A 4 x 4 picture stretched over the whole page.
    Save(folder, "finding-page-sized-stretch.ndr", Record([](TNDRWriter& w) {
             w.StretchDraw({0, 0, 2550, 3300}, TReportGraphic::FromBitmap(platform::RgbBitmap(4, 4)));
         }));
}

// Small streams that once gave PDF files readers stall on or refuse.
void MalformedGeometry(const fs::path& corpus) {
    const fs::path folder = corpus / "pdf_replay";
    Save(folder, "finding-huge-coordinates.ndr", Record([](TNDRWriter& w) {
             w.MoveTo(-1.5e23, 1);
             w.LineTo(2, 2);
             w.Rectangle(1, 1, 3e20, 2);
             w.PrintAt(1e25, 1, "far");
         }));
    for (const auto& [name, side] :
         {std::pair{"finding-zero-page-size.ndr", 0.0}, {"finding-huge-page-size.ndr", 1e30}})
        Save(folder, name,
             Record([](TNDRWriter& w) { w.PrintAt(1, 1, "page"); },
                    [side] {
                        TReferenceDevice device;
                        device.PageWidth = device.PageHeight = side;
                        return device;
                    }()));
    // Start and end at the same angle: no arc, so no path.
    Save(folder, "finding-degenerate-arcs.ndr", Record([](TNDRWriter& w) {
             w.Pie(1, 1, 2, 2, 2, 1.5, 2, 1.5);
             w.Chord(3, 1, 4, 2, 4, 1.5, 4, 1.5);
         }));
}

TSavedGame DealtGame() {
    TGame game;
    game.DealFind("1");
    game.EnterDigit(4, 1, 5);
    for (int tick = 0; tick < 125; ++tick)
        game.Tick();
    return game.SavedGame();
}

void SavedGames(const fs::path& corpus) {
    const fs::path folder = corpus / "saved_game";
    const std::string dealt = FormatSavedGame(DealtGame());
    Save(folder, "dealt.sav", dealt);
    Save(folder, "empty-board.sav", FormatSavedGame(TSavedGame{}));
    Save(folder, "ends-early.sav", dealt.substr(0, dealt.size() / 3));
    std::string lower = dealt;
    for (char& c : lower)
        if (c == 'Y') c = 'y';
    Save(folder, "lower-case-flags.sav", lower);
    Save(folder, "letters.sav", "12x\r\n0\r\n");
    Save(folder, "out-of-range.sav", "5\r\n0\r\n12 Y\r\n");
    Save(folder, "too-big.sav", "2147483648\r\n0\r\n");
    Save(folder, "negative-time.sav", "-7\r\n-1\r\n");
    Save(folder, "lf-only.sav", "3\n4\n5 Y\n");
    Save(folder, "blank.sav", " \r\n\r\n");
    Save(folder, "given-zero.sav", "3\r\n0\r\n0 Y\r\n");
    Save(folder, "givens-clash.sav", "3\r\n0\r\n5 Y\r\n5 Y\r\n");
}

void SettingsFiles(const fs::path& corpus) {
    const fs::path folder = corpus / "settings";
    platform::IniFile fresh;
    WriteSettings(fresh, TSettings{});
    Save(folder, "defaults.ini", fresh.Text());
    TSettings changed;
    changed.HiliteCell = false;
    changed.Difficulty = 4;
    changed.Current = 2147483647;
    platform::IniFile other = platform::IniFile::Parse("; kept\r\n[misc]\r\nName=x\r\n");
    WriteSettings(other, changed);
    Save(folder, "with-other-section.ini", other.Text());
    Save(folder, "hex-and-bad.ini",
         "[Options]\nHiliteCell=0x0\nDifficulty=0X3\nCurrent=12abc\nTimer = 0 \nUserFont=\n");
    Save(folder, "bad-level.ini", "[options]\r\nDifficulty=9\r\nCurrent=-5\r\n");
    Save(folder, "no-section.ini", "Difficulty=3\r\n[\r\n=1\r\n");
    Save(folder, "cr-only.ini", "[options]\rDifficulty=3\rCurrent=9\r");
}

void FindTexts(const fs::path& corpus) {
    const fs::path folder = corpus / "find_number";
    const std::vector<std::string> texts = {
        "1", " 42\t", "2147483647", "2147483648", "-5", "0", "+7", "abc", "0x10", "", "00012", "-2147483648"};
    for (std::size_t i = 0; i < texts.size(); ++i)
        Save(folder, "text-" + std::to_string(i + 1) + ".txt", texts[i]);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS-FOLDER\n", argv[0]);
        return 2;
    }
    const fs::path corpus(argv[1]);
    PageStreams(corpus);
    AmplifyingStreams(corpus);
    MalformedGeometry(corpus);
    SavedGames(corpus);
    SettingsFiles(corpus);
    FindTexts(corpus);
    std::printf("seed corpora written to %s\n", corpus.c_str());
    return 0;
}
