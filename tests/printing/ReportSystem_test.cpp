// The print run driven through its handlers: a fake platform stands in for the printer and the
// windows, and a text renderer plays what reaches the printer or the preview.
#include "report/ReportSystem.h"

#include "PrintTestSupport.h"
#include "TestPlatform.h"
#include "report/ReportError.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace fs = std::filesystem;

namespace {

class ReportRun : public ::testing::Test {
  protected:
    void SetUp() override {
        System.SetPlatform(Platform);
        System.SystemPrinter.Title = "Puzzle Report";
        System.OnPrint = [this](TBaseReport& r) {
            ++PrintCalls;
            for (int page = 1; page <= PagesToDraw; ++page) {
                if (page > 1) r.NewPage();
                r.SelectFont("Arial", 12);
                r.PrintAt(0.5, 0.5, "Page" + std::to_string(page));
            }
        };
    }

    TSetupResult FileResult(const std::string& name, int format) {
        TSetupChoice c;
        c.Dest = rdFile;
        c.FileName = Dir.File(name);
        c.FormatIndex = format;
        return SetupAccept(System.SetupInput(), c);
    }

    test::TempFolder Dir;
    TTestPlatform Platform;
    TReportSystem System;
    int PrintCalls = 0;
    int PagesToDraw = 1;
};

TSetupResult PrinterResult() {
    TSetupResult r;
    r.Dest = rdPrinter;
    return r;
}

} // namespace

TEST_F(ReportRun, CancelInSetupEndsTheRunWithoutRecording) {
    Platform.CancelSetup = true;
    System.RunReport();
    EXPECT_TRUE(System.Cancelled());
    EXPECT_EQ(PrintCalls, 0);
    EXPECT_EQ(Platform.Log, (std::vector<std::string>{"setup:0", "setup:1", "setup:2", "setup:3"}));
    EXPECT_TRUE(Platform.Printed.empty());
}

TEST_F(ReportRun, EveryLayoutHookReachesTheWriter) {
    std::vector<std::string> log;
    auto note = [&log](const char* name) { return [&log, name](TBaseReport&) { log.push_back(name); }; };
    System.OnBeforePrint = note("before");
    System.OnNewPage = note("page");
    System.OnPrintHeader = note("header");
    System.OnPrintFooter = note("footer");
    System.OnAfterPrint = note("after");
    System.OnDecodeImage = [&log](TStream&, const std::string& type, platform::RgbBitmap&) {
        log.push_back("decode " + type);
    };
    System.OnPrint = [&log](TBaseReport& r) {
        TMemoryStream image;
        platform::RgbBitmap bitmap;
        ASSERT_TRUE(r.OnDecodeImage);
        r.OnDecodeImage(image, "png", bitmap);
    };
    System.RunReport();
    EXPECT_EQ(log, (std::vector<std::string>{"before", "page", "header", "decode png", "footer", "after"}));
}

TEST_F(ReportRun, PreviewGetsTheRecordedStream) {
    PagesToDraw = 2;
    System.RunReport();
    EXPECT_FALSE(System.Cancelled());
    EXPECT_EQ(PrintCalls, 1);
    EXPECT_EQ(Platform.PreviewPages, 2);
    EXPECT_EQ(Platform.Log,
              (std::vector<std::string>{"setup:0", "setup:1", "setup:2", "setup:3", "status:0", "status:1",
                                        "status:3", "preview:0", "preview:1", "preview:2", "preview:3"}));
    EXPECT_EQ(System.OutputStream(), nullptr);
}

TEST_F(ReportRun, WithoutSetupFlagTheDefaultDestinationIsUsed) {
    System.SystemSetups.Exclude(ssAllowSetup);
    System.DefaultDest = rdPrinter;
    System.RunReport();
    EXPECT_EQ(Platform.Log.front(), "status:0");
    ASSERT_EQ(Platform.Printed.size(), 1u);
    EXPECT_EQ(Platform.Printed[0].OutputFile, "");
    EXPECT_EQ(Platform.Printed[0].Pages, 1);
}

TEST_F(ReportRun, PrinterMakesCopiesOrTheRunRepeatsThem) {
    TSetupChoice c;
    c.Dest = rdPrinter;
    c.CopiesText = "3";
    Platform.Accept = SetupAccept(System.SetupInput(), c);
    System.RunReport();
    EXPECT_FALSE(System.CopiesByRepetition());
    ASSERT_EQ(Platform.Printed.size(), 1u);
    EXPECT_EQ(Platform.Printed[0].Copies, 3);

    Platform.Printed.clear();
    Platform.MaxCopies = 1;
    System.RunReport();
    EXPECT_TRUE(System.CopiesByRepetition());
    ASSERT_EQ(Platform.Printed.size(), 3u);
    for (const TPrintCall& call : Platform.Printed)
        EXPECT_TRUE(call.Copies == 1 && call.Pages == 1);
}

// Cancel in the status window on page 1: no destination gets anything, an existing file keeps its
// bytes and no temporary file is left beside it.
TEST_F(ReportRun, CancelInStatusWindowAbortsTheWriterAndOutputsNothing) {
    TTextRender render;
    render.SetDisplayName("Cancelled Format (CNC)");
    render.SetFileExtension("*.cnc");
    struct Row {
        const char* Name;
        std::optional<TSetupResult> Accept;
        const char* OldFile;
    };
    PagesToDraw = 3;
    std::vector<std::string> lines;
    System.OverrideStatus = [&](TReportSystem& sys, TOverrideMode mode, std::unique_ptr<TRunForm>&) {
        if (mode != omShow) return;
        TNDRWriter* writer = sys.CurrentWriter();
        ASSERT_NE(writer, nullptr);
        writer->StatusLabel = [&lines, writer](const std::string& line) {
            lines.push_back(line);
            if (line == "Generating page 1") writer->Abort(); // the user presses Cancel at once
        };
    };
    for (const Row& r :
         {Row{"printer", PrinterResult(), nullptr}, Row{"ndr", FileResult("old.ndr", 0), "old.ndr"},
          Row{"prn", FileResult("old.prn", 1), "old.prn"},
          Row{"renderer", FileResult("old.cnc", FormatOf(render)), "old.cnc"}}) {
        SCOPED_TRACE(r.Name);
        if (r.OldFile) std::ofstream(Dir.File(r.OldFile)) << "old bytes";
        Platform.Accept = r.Accept;
        lines.clear();
        System.RunReport();
        EXPECT_TRUE(System.Cancelled());
        EXPECT_TRUE(Platform.Printed.empty());
        EXPECT_EQ(render.Pages, 0);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.front(), "Generating page 1"); // the filer's format wins over the printer's
        if (!r.OldFile) continue;
        EXPECT_EQ(test::ReadWholeFile(Dir.File(r.OldFile)), "old bytes");
        EXPECT_EQ(Dir.Entries().size(), 1u);
        fs::remove(Dir.File(r.OldFile));
    }
}

// A report whose pages are all left out is an empty report, not a damaged file.
TEST_F(ReportRun, ReportWithoutPagesIsWrittenAndPlayed) {
    System.SystemPrinter.FirstPage = 5;
    Platform.Accept = FileResult("empty", 0);
    System.RunReport();
    TFileStream in(Dir.File("empty.ndr"), fmOpenRead);
    EXPECT_EQ(PagesIn(in), 0);
    Platform.Accept = PrinterResult();
    System.RunReport();
    ASSERT_EQ(Platform.Printed.size(), 1u);
    EXPECT_EQ(Platform.Printed[0].Pages, 0);
}

// The page stream is written by the run, the printer's format by the printer, a renderer's format
// by the renderer; only the first two get their extension.
TEST_F(ReportRun, EachFileFormatIsWrittenByItsWriterUnderItsName) {
    TTextRender render;
    render.SetDisplayName("Counting Format (CNT)");
    render.SetFileExtension("*.cnt");
    Platform.Accept = FileResult("puzzle", 0);
    System.RunReport();
    EXPECT_EQ(Platform.PreviewPages, -1);
    TFileStream in(Dir.File("puzzle.ndr"), fmOpenRead);
    EXPECT_EQ(PagesIn(in), 1);
    EXPECT_EQ(System.SystemFiler.FileName, Dir.File("puzzle.ndr"));
    EXPECT_TRUE(Platform.Printed.empty());

    Platform.Accept = FileResult("puzzle", 1);
    System.RunReport();
    ASSERT_EQ(Platform.Printed.size(), 1u);
    EXPECT_EQ(Platform.Printed[0].OutputFile, Dir.File("puzzle.prn"));
    EXPECT_EQ(Platform.Printed[0].Pages, 1);

    ASSERT_GE(FormatOf(render), 2); // only active renderers are offered, this one among them
    Platform.Accept = FileResult("puzzle", FormatOf(render));
    System.RunReport();
    EXPECT_EQ(System.Renderer(), &render);
    EXPECT_EQ(render.OutputFileName(), Dir.File("puzzle"));
    EXPECT_EQ(render.Texts, std::vector<std::string>{"Page1"});
    EXPECT_EQ(Platform.Printed.size(), 1u); // nothing more reached the printer
}

TEST_F(ReportRun, NoGenerateOutputsTheFilerFileWithoutRecording) {
    Platform.Accept = FileResult("saved", 0);
    PagesToDraw = 2;
    System.RunReport();
    ASSERT_EQ(PrintCalls, 1);

    TReportSystem replay;
    replay.SetPlatform(Platform);
    replay.SystemSetups.Exclude(ssAllowSetup);
    replay.SystemOptions.Include(soNoGenerate);
    replay.SystemFiler.StreamMode = smFile;
    replay.SystemFiler.FileName = Dir.File("saved.ndr");
    replay.OnPrint = [this](TBaseReport&) { ++PrintCalls; };
    replay.RunReport();
    EXPECT_EQ(PrintCalls, 1);
    EXPECT_EQ(Platform.PreviewPages, 2);
}

TEST_F(ReportRun, TemporaryRecordingIsRemovedAfterTheRun) {
    System.SystemFiler.StreamMode = smTempFile;
    System.RunReport();
    EXPECT_EQ(Platform.PreviewPages, 1);
    ASSERT_FALSE(Platform.FilerNameDuringPreview.empty());
    EXPECT_FALSE(fs::exists(Platform.FilerNameDuringPreview));
    EXPECT_EQ(System.SystemFiler.FileName, "");
}

TEST_F(ReportRun, UserStreamReceivesTheRecording) {
    TMemoryStream user;
    System.SystemFiler.StreamMode = smUser;
    System.SystemFiler.Stream = &user;
    System.RunReport();
    EXPECT_EQ(Platform.PreviewPages, 1);
    EXPECT_GT(user.Size(), 0u);

    System.SystemFiler.Stream = nullptr;
    EXPECT_THROW(System.RunReport(), EReportError);
}

TEST_F(ReportRun, FailuresPropagateAfterTheWindowsAreFreed) {
    Platform.Accept = PrinterResult();
    Platform.FailPrinting = true;
    EXPECT_THROW(System.RunReport(), EReportError); // "Printer is out of paper."
    EXPECT_EQ(Platform.Log.back(), "status:3");

    Platform.Log.clear();
    System.OnPrint = [](TBaseReport&) { throw EReportError("layout failed"); };
    EXPECT_THROW(System.RunReport(), EReportError);
    EXPECT_TRUE(System.Cancelled());
    EXPECT_EQ(Platform.Log.back(), "status:3");
    EXPECT_EQ(Platform.PreviewPages, -1);
    EXPECT_EQ(System.CurrentWriter(), nullptr);

    TReportSystem plain; // no platform: no windows and no printer
    plain.DefaultDest = rdPrinter;
    plain.OnPrint = [](TBaseReport& r) { r.PrintAt(1, 1, "x"); };
    try {
        plain.RunReport();
        FAIL() << "no error";
    } catch (const EReportError& e) {
        EXPECT_STREQ(e.what(), "No printers installed!");
    }
}
