#include "FileWriters.h"

#include "fuzz/FuzzMeasurer.h"
#include "game/BestTimes.h"
#include "game/Settings.h"
#include "game/TGame.h"
#include "pdf/TRenderPDF.h"
#include "report/NDRWriter.h"
#include "report/ReportStream.h"

namespace {

// A game dealt as puzzle 7, with its notes filled in.
TGame DealtGame() {
    TGame game;
    game.DealFind("7");
    game.FillNotes();
    return game;
}

} // namespace

std::vector<std::uint8_t> RecordedPage(const std::string& path) {
    static TFuzzMeasurer measurer;
    TNDRWriter writer;
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
             return TFileOutcome{DealtGame().SaveNotesFile(path), "not saved"};
         }},
        {"BestTimes",
         [](Path path) {
             TBestTimes times;
             times.AddCompletion(2, 307);
             return FromResult(SaveBestTimesFile(path, times));
         }},
        {"PageStreamFile", [](Path path) { return Catching([&] { RecordedPage(path); }); }},
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
