// Faults the fuzzers found, one row per finding with its input file in data/fuzz-findings.txt, kept
// as plain tests so they stay fixed. The fuzz corpora hold most of the inputs too, and ctest replays
// them through the fuzz targets; here each input must give the outcome it gives since the fault was
// mended.
#include "CaseTable.h"
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

// Plays a page stream into Render: the report error it fails with, or "played".
std::string Play(const std::string& bytes, TReportRender& render) {
    TByteViewStream stream(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    try {
        TPageConverter converter(stream, render, Measurer);
        converter.Generate(0);
    } catch (const EReportError& error) {
        return error.what();
    }
    return "played";
}

// A page stream keeps the reader's call order (DocEnd follows a begun document also after a
// failure) and gives a PDF file that the readers accept: how it played, then the file's
// size rounded up to a power of two, the number of its images and the widest of them.
std::string Replayed(const std::string& bytes) {
    TCallCheckingRender checker;
    Play(bytes, checker);
    checker.CheckFinished();
    TMemoryStream output;
    pdf::TRenderPDF render;
    render.SetOutputStream(&output);
    const std::string outcome = Play(bytes, render);
    const std::string pdf(output.Bytes().begin(), output.Bytes().end());
    if (pdf.empty()) return outcome + " (no file)";
    std::size_t kib = 1;
    while (kib * 1024 < pdf.size())
        kib *= 2;
    int images = 0, widest = 0;
    for (std::size_t at = pdf.find("/Width "); at != std::string::npos; at = pdf.find("/Width ", at + 1)) {
        ++images;
        widest = std::max(widest, std::atoi(pdf.c_str() + at + 7));
    }
    const std::string complaints = pdftest::ComplaintsAbout(pdf);
    return outcome + " (at most " + std::to_string(kib) + " KiB, images: " + std::to_string(images) +
           ", widest: " + std::to_string(widest) + ")" + (complaints.empty() ? "" : " " + complaints);
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

// Each input file, in the fuzz corpora or in data/ here, with its outcome.
TEST(FuzzFindings, EachInputGivesItsOutcome) {
    EXPECT_TRUE(test::MatchesCaseTable(HARDENING_DIR "/data/fuzz-findings.txt", [](const std::string& file) {
        SCOPED_TRACE(file);
        const std::string bytes =
            test::ReadWholeFile((file.starts_with("data/") ? HARDENING_DIR "/" : FUZZ_CORPUS "/") + file);
        if (bytes.empty()) return std::string("no such file");
        return file.ends_with(".ndr")   ? Replayed(bytes)
               : file.ends_with(".sav") ? Loaded(bytes)
                                        : SavedTwice(bytes);
    }));
}

} // namespace
