#include "FileWriters.h"

#include "fuzz/FuzzMeasurer.h"
#include "game/BestTimes.h"
#include "game/Settings.h"
#include "game/TGame.h"
#include "pdf/TRenderPDF.h"
#include "report/NDRWriter.h"
#include "report/ReportStream.h"

namespace {

// A page-stream writer of one page with a text and a rectangle; in memory unless given a file.
void RecordPage(TNDRWriter& writer, const std::string& path = "") {
    static TFuzzMeasurer measurer;
    writer.SetMeasurer(measurer);
    writer.OnPrint = [](TBaseReport& surface) {
        surface.SelectFont("Arial", 12);
        surface.PrintAt(1, 1, "Puzzle Nr. 42");
        surface.Rectangle(1, 2, 7, 8);
    };
    if (!path.empty()) {
        writer.SetStreamMode(smFile);
        writer.SetFileName(path);
    }
    writer.Execute();
}

// A game dealt as puzzle 7, with its notes filled in.
TGame DealtGame() {
    TGame game;
    game.DealFind("7");
    game.FillNotes();
    return game;
}

} // namespace

std::vector<std::uint8_t> RecordedPage() {
    TNDRWriter writer;
    RecordPage(writer);
    return writer.MemoryBytes();
}

const std::vector<TFileWriter>& AllFileWriters() {
    using Path = const std::string&;
    static const std::vector<TFileWriter> writers = {
        {"Settings",
         [](Path path) {
             const TSettingsSaveResult saved = SaveSettingsFile(path, TSettings{});
             return TFileOutcome{static_cast<bool>(saved), saved.Reason};
         }},
        {"SavedGame",
         [](Path path) {
             TGame game = DealtGame();
             const bool saved = game.SaveGameFile(path);
             return TFileOutcome{saved, game.Display().HelpText};
         }},
        {"Notes",
         [](Path path) {
             return TFileOutcome{DealtGame().SaveNotesFile(path), "the notes were not saved"};
         }},
        {"BestTimes",
         [](Path path) {
             TBestTimes times;
             times.AddCompletion(2, 307);
             return FromResult(SaveBestTimesFile(path, times));
         }},
        {"PageStreamFile",
         [](Path path) {
             return Catching([&] {
                 TNDRWriter writer;
                 RecordPage(writer, path);
             });
         }},
        {"Pdf",
         [](Path path) {
             return Catching([&] {
                 TMemoryStream input(RecordedPage());
                 pdf::TRenderPDF render;
                 render.Clock = [] { return std::time_t{0}; };
                 render.RenderToFile(&input, path);
             });
         }},
    };
    return writers;
}
