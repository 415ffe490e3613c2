// Faults the fuzzers found, kept as plain tests so they stay fixed. The inputs themselves also sit
// in the fuzz corpora, which ctest replays.
#include "engine/SolutionSearch.h"
#include "fuzz/CallCheckingRender.h"
#include "fuzz/FuzzMeasurer.h"
#include "game/SavedGame.h"
#include "game/Settings.h"
#include "pdf/TRenderPDF.h"
#include "platform/IniFile.h"
#include "report/NDRWriter.h"
#include "report/PageConverter.h"
#include "report/PageStreamDecoder.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"
#include "tests/pdf/PdfReaders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace {

TFuzzMeasurer Measurer;

std::vector<std::uint8_t> RecordedPage() {
    TNDRWriter writer;
    writer.SetMeasurer(Measurer);
    writer.OnPrint = [](TBaseReport& surface) {
        surface.MoveTo(1, 1);
        surface.LineTo(2, 2);
    };
    writer.Execute();
    return writer.MemoryBytes();
}

void PutSingle(std::vector<std::uint8_t>& bytes, std::size_t at, float value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// Plays Bytes into a renderer that checks the call order; returns the failure message.
std::string Play(const std::vector<std::uint8_t>& bytes, TCallCheckingRender& render) {
    TByteViewStream stream(bytes.data(), bytes.size());
    try {
        TPageConverter converter(stream, render, Measurer);
        converter.Generate(0);
    } catch (const EReportError& error) {
        return error.what();
    }
    return "";
}

struct TStreamLayout {
    std::size_t PageRecord; // position of the first page's code byte
    std::size_t MarginLeft; // position of the header's left device margin
};

TStreamLayout Layout(const std::vector<std::uint8_t>& bytes) {
    TPageStreamDecoder decoder(bytes.data(), bytes.size());
    decoder.ReadHeader();
    const std::size_t page = static_cast<std::size_t>(decoder.Position());
    // Before the margins: code, version, title (one length byte), page count, first and last
    // page, page width and height.
    const std::size_t titleLength = bytes[3];
    return {page, 1 + 2 + 1 + titleLength + 2 + 2 + 2 + 4 + 4};
}

TEST(PageStreamNumbers, NonFiniteSizesAndPositionsAreRefusedAsDamage) {
    const std::vector<std::uint8_t> good = RecordedPage();
    TCallCheckingRender clean;
    ASSERT_EQ(Play(good, clean), "");
    ASSERT_EQ(clean.Pages(), 1u);

    const TStreamLayout layout = Layout(good);
    ASSERT_EQ(good[layout.PageRecord], 80);
    const std::size_t pageWidth = layout.PageRecord + 1 + 4 + 4 + 2;
    struct TCase {
        const char* What;
        std::size_t At;
        float Value;
    };
    const TCase cases[] = {
        {"page width NaN", pageWidth, std::numeric_limits<float>::quiet_NaN()},
        {"page height infinite", pageWidth + 4, std::numeric_limits<float>::infinity()},
        {"device margin -infinite", layout.MarginLeft, -std::numeric_limits<float>::infinity()},
        {"line end NaN", good.size() - 1 - 8, std::numeric_limits<float>::quiet_NaN()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        std::vector<std::uint8_t> bad = good;
        PutSingle(bad, c.At, c.Value);
        TCallCheckingRender render;
        const std::string error = Play(bad, render);
        EXPECT_NE(error.find("Invalid number found at position " + std::to_string(c.At)), std::string::npos)
            << error;
        render.CheckFinished(); // DocEnd still follows a begun document
    }
}

std::vector<std::uint8_t> CorpusFile(const std::string& name) {
    std::ifstream in(std::string(FUZZ_CORPUS) + "/pdf_replay/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The largest "/Width N" of the file's images, 0 without images.
int WidestImage(const std::string& pdf) {
    int widest = 0;
    for (std::size_t at = pdf.find("/Width "); at != std::string::npos; at = pdf.find("/Width ", at + 1))
        widest = std::max(widest, std::atoi(pdf.c_str() + at + 7));
    return widest;
}

std::size_t Occurrences(const std::string& text, const std::string& piece) {
    std::size_t count = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1))
        ++count;
    return count;
}

// Small streams of the pdf_replay corpus that once made the PDF writer produce or compute far more
// than they hold, or write files that readers stall on or refuse, and the PDF files they give now.
TEST(PdfReplayFindings, SmallStreamsGiveBoundedFilesThatReadersAccept) {
    struct TFinding {
        const char* File;
        const char* Error; // empty: the replay succeeds
        std::size_t Images;
        int WidestImage;
        std::size_t MaxPdfBytes;
    };
    const TFinding findings[] = {
        {"finding-nested-variables.ndr", "expands to more than 32768 bytes", 0, 0, 4096},
        {"finding-expanding-page.ndr", "expand to more than 262144 bytes", 0, 0, 270000},
        {"finding-repeated-picture.ndr", "", 1, 12, 16384},
        {"finding-page-sized-stretch.ndr", "", 1, 4, 4096},
        {"finding-huge-coordinates.ndr", "", 0, 0, 4096},
        {"finding-zero-page-size.ndr", "Page 1 of the report measures 0 x 0 inches", 0, 0, 4096},
        {"finding-huge-page-size.ndr", "Page 1 of the report measures 1e+30 x 1e+30 inches", 0, 0, 4096},
        {"finding-degenerate-arcs.ndr", "", 0, 0, 4096},
        {"every-operation.ndr", "", 3, 12, 65536}, // clipped text paints its background
    };
    for (const TFinding& f : findings) {
        SCOPED_TRACE(f.File);
        const std::vector<std::uint8_t> bytes = CorpusFile(f.File);
        ASSERT_FALSE(bytes.empty());
        TByteViewStream input(bytes.data(), bytes.size());
        TMemoryStream output;
        pdf::TRenderPDF render;
        render.SetOutputStream(&output);
        std::string error;
        try {
            TPageConverter converter(input, render, Measurer);
            converter.Generate(0);
        } catch (const EReportError& e) {
            error = e.what();
        }
        const std::string pdf(output.Bytes().begin(), output.Bytes().end());
        if (*f.Error)
            EXPECT_NE(error.find(f.Error), std::string::npos) << error;
        else
            EXPECT_EQ(error, "");
        EXPECT_EQ(Occurrences(pdf, "/Subtype /Image"), f.Images);
        EXPECT_EQ(WidestImage(pdf), f.WidestImage);
        EXPECT_LE(pdf.size(), f.MaxPdfBytes);
        const std::string path = std::string(::testing::TempDir()) + "finding.pdf";
        std::ofstream(path, std::ios::binary) << pdf;
        EXPECT_EQ(pdftest::ReaderComplaints(path), "");
        std::remove(path.c_str());
    }
}

TEST(SettingsFileBreaks, MixedLineBreaksSurviveRepeatedSaves) {
    // The first break is LF, a later line ends in a stray CR before its CR LF.
    const std::string text = "; note\n[misc]\r\r\nName=x\r\n";
    const TSettings settings = ParseSettings(text);
    platform::IniFile file = platform::IniFile::Parse(text);
    WriteSettings(file, settings);
    const std::string once = file.Text();
    EXPECT_EQ(once.substr(0, text.size()), text) << "the lines before the settings changed";

    platform::IniFile again = platform::IniFile::Parse(once);
    WriteSettings(again, settings);
    EXPECT_EQ(again.Text(), once);
    EXPECT_EQ(ParseSettings(again.Text()), settings);
}

std::string SavedGameCorpusFile(const std::string& name) {
    std::ifstream in(std::string(FUZZ_CORPUS) + "/saved_game/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Solvable givens that kept the bounded search busy to its bound, so no solution was found (one
// of them timed out in a fuzz run): both are settled in a few steps.
TEST(SavedGameSearch, HardGivensAreSolvedInFewSteps) {
    for (const char* name : {"finding-slow-solution-search.sav", "finding-timeout-under-load.sav"}) {
        SCOPED_TRACE(name);
        const TSavedGameParse parsed = ParseSavedGame(SavedGameCorpusFile(name));
        ASSERT_TRUE(parsed.Game);
        EXPECT_TRUE(parsed.SolutionFound);
        TBoard givens{};
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                givens[c][r].Value = parsed.Game->Board[c][r].Given ? parsed.Game->Board[c][r].Value : 0;
        TSolutionSearch search;
        ASSERT_TRUE(search.Solve(givens));
        EXPECT_EQ(givens, parsed.Solution);
        EXPECT_TRUE(IsSolved(givens));
        EXPECT_LT(search.StepsTaken(), 1000);
    }
}

// Givens that run the search to its bound (about 1 s with the sanitizers, a fuzz timeout): the
// game still loads, without a solution to judge by.
TEST(SavedGameSearch, GivensThatReachTheBoundLoadWithoutASolution) {
    const TSavedGameParse parsed = ParseSavedGame(SavedGameCorpusFile("finding-search-to-the-bound.sav"));
    ASSERT_TRUE(parsed.Game);
    EXPECT_FALSE(parsed.SolutionFound);
}

// Pictures stretched over and off the page that timed out in fuzz runs on a loaded machine (about
// 0.3 s each with the sanitizers before pictures were bounded): the replay goes on to the damage
// behind them.
TEST(PdfReplaySlowPictures, ReplayStopsAtTheDamageBehindThem) {
    const struct {
        const char* File;
        const char* Error;
    } rows[] = {
        {"finding-slow-picture-over-the-page.ndr", "Invalid number found at position 2217 in report file."},
        {"finding-slow-picture-off-the-page.ndr", "Unexpected code [252] found in report file."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.File);
        TMemoryStream input(CorpusFile(row.File));
        TMemoryStream output;
        pdf::TRenderPDF render;
        render.SetOutputStream(&output);
        try {
            render.RenderStream(&input);
            ADD_FAILURE() << "the damage was not found";
        } catch (const EReportError& error) {
            EXPECT_STREQ(error.what(), row.Error);
        }
    }
}

} // namespace
