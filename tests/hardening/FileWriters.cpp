#include "FileWriters.h"

#include "fuzz/FuzzMeasurer.h"
#include "game/BestTimes.h"
#include "game/Settings.h"
#include "game/TGame.h"
#include "pdf/TRenderPDF.h"
#include "platform/SafeFile.h"
#include "report/NDRWriter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {

TWriteOutcome FromResult(const platform::FileResult& result) {
    return {result.Ok, result.Error};
}

// Runs a writer that reports failures by throwing EReportError.
TWriteOutcome Catching(const std::function<void()>& write) {
    try {
        write();
        return {true, ""};
    } catch (const EReportError& error) {
        return {false, error.what()};
    }
}

void PrepareWriter(TNDRWriter& writer) {
    static TFuzzMeasurer measurer;
    writer.SetMeasurer(measurer);
    writer.OnPrint = [](TBaseReport& surface) {
        surface.SelectFont("Arial", 12);
        surface.PrintAt(1, 1, "Puzzle Nr. 42");
        surface.Rectangle(1, 2, 7, 8);
    };
}

TWriteOutcome WriteSavedGame(const std::string& path) {
    TGame game;
    game.DealFind("7");
    if (game.SaveGameFile(path)) return {true, ""};
    return {false, game.Display().HelpText};
}

TWriteOutcome WriteNotes(const std::string& path) {
    TGame game;
    game.DealFind("7");
    game.FillNotes();
    if (game.SaveNotesFile(path)) return {true, ""};
    return {false, "the notes could not be saved"};
}

TWriteOutcome WriteSnapshot(const std::string& path) {
    return Catching([&] {
        TNDRWriter writer;
        PrepareWriter(writer);
        writer.SetStreamMode(smFile);
        writer.SetFileName(path);
        writer.Execute();
    });
}

TWriteOutcome WritePdf(const std::string& path) {
    const std::vector<std::uint8_t> page = RecordedPage();
    return Catching([&] {
        TMemoryStream input(page);
        pdf::TRenderPDF render;
        render.Clock = [] { return std::time_t{0}; };
        render.RenderToFile(&input, path);
    });
}

} // namespace

std::vector<std::uint8_t> RecordedPage() {
    TNDRWriter writer;
    PrepareWriter(writer);
    writer.Execute();
    return writer.MemoryBytes();
}

const std::vector<TFileWriter>& AllFileWriters() {
    static const std::vector<TFileWriter> writers = {
        {"SafeFile",
         [](const std::string& path) {
             return FromResult(platform::SafeFile::WriteAll(path, std::string(6000, 'n')));
         }},
        {"Settings",
         [](const std::string& path) {
             TSettings settings;
             settings.Current = 1234;
             const TSettingsSaveResult saved = SaveSettingsFile(path, settings);
             return TWriteOutcome{static_cast<bool>(saved), saved.Reason};
         }},
        {"SavedGame", WriteSavedGame},
        {"Notes", WriteNotes},
        {"BestTimes",
         [](const std::string& path) {
             TBestTimes times;
             times.AddCompletion(2, 307);
             return FromResult(SaveBestTimesFile(path, times));
         }},
        {"PageStreamFile", WriteSnapshot},
        {"PageStreamFromMemory",
         [](const std::string& path) {
             const std::vector<std::uint8_t> page = RecordedPage();
             return Catching([&] { SaveBytesToFile(path, page); });
         }},
        {"Pdf", WritePdf},
    };
    return writers;
}
