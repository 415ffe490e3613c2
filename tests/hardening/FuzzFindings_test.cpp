// Faults the fuzzers found, one row per finding with its input file, kept as plain tests so they
// stay fixed. The fuzz corpora hold most of the inputs too, and ctest replays them through the fuzz
// targets; here each input must give the outcome it gives since the fault was mended.
#include "TestFiles.h"
#include "engine/SolutionSearch.h"
#include "fuzz/CallCheckingRender.h"
#include "fuzz/FuzzMeasurer.h"
#include "game/SavedGame.h"
#include "game/Settings.h"
#include "pdf/TRenderPDF.h"
#include "platform/IniFile.h"
#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"
#include "tests/pdf/PdfReaders.h"

#include <gtest/gtest.h>

namespace {

TFuzzMeasurer Measurer;

// Plays a page stream into Render: the report error it fails with, empty when it plays.
std::string Play(const std::string& bytes, TReportRender& render) {
    TByteViewStream stream(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    try {
        TPageConverter converter(stream, render, Measurer);
        converter.Generate(0);
    } catch (const EReportError& error) {
        return error.what();
    }
    return "";
}

// A page stream keeps the reader's call order (DocEnd follows a begun document also after a
// failure) and gives a PDF file of at most MaxBytes that the readers accept: the error, and the
// number of the file's images and the widest of them.
std::string Replayed(const std::string& bytes, std::size_t maxBytes) {
    TCallCheckingRender checker;
    Play(bytes, checker);
    checker.CheckFinished();
    TMemoryStream output;
    pdf::TRenderPDF render;
    render.SetOutputStream(&output);
    std::string error = Play(bytes, render);
    if (error.empty()) error = "played";
    const std::string pdf(output.Bytes().begin(), output.Bytes().end());
    if (pdf.empty()) return error + " (no file)";
    EXPECT_LE(pdf.size(), maxBytes);
    EXPECT_EQ(pdftest::ComplaintsAbout(pdf), "");
    int images = 0;
    int widest = 0;
    for (std::size_t at = pdf.find("/Width "); at != std::string::npos; at = pdf.find("/Width ", at + 1)) {
        ++images;
        widest = std::max(widest, std::atoi(pdf.c_str() + at + 7));
    }
    if (images == 0) return error;
    return error + " (images: " + std::to_string(images) + ", widest: " + std::to_string(widest) + ")";
}

// A saved game's givens are solved in a few steps to the solution it loads with, or it loads
// without one.
std::string Loaded(const std::string& text) {
    const TSavedGameParse parsed = ParseSavedGame(text);
    if (!parsed.Game || !parsed.SolutionFound) return parsed.Game ? "loaded without a solution" : "refused";
    TBoard givens{};
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            givens[c][r].Value = parsed.Game->Board[c][r].Given ? parsed.Game->Board[c][r].Value : 0;
    TSolutionSearch search;
    if (!search.Solve(givens) || givens != parsed.Solution || !IsSolved(givens)) return "solved differently";
    return search.StepsTaken() < 1000 ? "solved in under 1000 steps" : "solved slowly";
}

// Settings saved into their file twice: the lines before the settings stay, the second save
// changes nothing and reads back the same settings.
std::string SavedTwice(const std::string& text) {
    const TSettings settings = ParseSettings(text);
    platform::IniFile file = platform::IniFile::Parse(text);
    WriteSettings(file, settings);
    platform::IniFile again = platform::IniFile::Parse(file.Text());
    WriteSettings(again, settings);
    if (!file.Text().starts_with(text)) return "the lines before the settings changed";
    if (again.Text() != file.Text() || !(ParseSettings(again.Text()) == settings)) return "saved differently";
    return "saved alike";
}

TEST(FuzzFindings, EachInputGivesItsOutcome) {
    const struct {
        const char* File; // in the fuzz corpora, or in data/ here
        const char* Outcome;
        std::size_t MaxPdfBytes = 4096;
    } findings[] = {
        // Numbers that are not finite, refused as damage where they stand.
        {"data/nan-page-width.ndr", "Invalid number found at position 65 in report file."},
        {"data/infinite-page-height.ndr", "Invalid number found at position 69 in report file."},
        {"data/infinite-device-margin.ndr", "Invalid number found at position 24 in report file. (no file)"},
        {"data/nan-line-end.ndr", "Invalid number found at position 165 in report file."},
        // Small streams that made the PDF writer produce or compute far more than they hold, or
        // write files that readers stall on or refuse.
        {"pdf_replay/finding-nested-variables.ndr",
         "A text on page 1 of the report file expands to more than 32768 bytes."},
        {"pdf_replay/finding-expanding-page.ndr",
         "The texts on page 1 of the report file expand to more than 262144 bytes.", 270000},
        {"pdf_replay/finding-repeated-picture.ndr", "played (images: 1, widest: 12)", 16384},
        {"pdf_replay/finding-page-sized-stretch.ndr", "played (images: 1, widest: 4)"},
        {"pdf_replay/finding-huge-coordinates.ndr", "played"},
        {"pdf_replay/finding-zero-page-size.ndr",
         "Page 1 of the report measures 0 x 0 inches; a PDF page measures from 3/72 to 200 inches each way."},
        {"pdf_replay/finding-huge-page-size.ndr",
         "Page 1 of the report measures 1e+30 x 1e+30 inches; a PDF page measures from 3/72 to 200 inches "
         "each way."},
        {"pdf_replay/finding-degenerate-arcs.ndr", "played"},
        // Clipped text paints its background.
        {"pdf_replay/every-operation.ndr", "played (images: 3, widest: 12)", 65536},
        // Pictures stretched over and off the page that timed out in fuzz runs on a loaded machine:
        // the replay goes on to the damage behind them.
        {"pdf_replay/finding-slow-picture-over-the-page.ndr",
         "Invalid number found at position 2217 in report file. (images: 2, widest: 12)", 8192},
        {"pdf_replay/finding-slow-picture-off-the-page.ndr",
         "Unexpected code [252] found in report file. (images: 4, widest: 12)", 8192},
        // Givens that kept the bounded search busy to its bound, so no solution was found (one timed
        // out in a fuzz run), and givens that still run it to the bound.
        {"saved_game/finding-slow-solution-search.sav", "solved in under 1000 steps"},
        {"saved_game/finding-timeout-under-load.sav", "solved in under 1000 steps"},
        {"saved_game/finding-search-to-the-bound.sav", "loaded without a solution"},
        // The first break LF, a later line ending in a stray CR before its CR LF.
        {"data/mixed-line-breaks.ini", "saved alike"},
    };
    for (const auto& finding : findings) {
        SCOPED_TRACE(finding.File);
        const std::string file = finding.File;
        const std::string bytes =
            test::ReadWholeFile((file.starts_with("data/") ? HARDENING_DIR "/" : FUZZ_CORPUS "/") + file);
        ASSERT_FALSE(bytes.empty());
        const std::string outcome = file.ends_with(".ndr")   ? Replayed(bytes, finding.MaxPdfBytes)
                                    : file.ends_with(".sav") ? Loaded(bytes)
                                                             : SavedTwice(bytes);
        EXPECT_EQ(outcome, finding.Outcome);
    }
}

} // namespace
