// The print run driven through its handlers: a fake platform stands in for the printer and the
// windows, and a text renderer plays what reaches the printer or the preview. Also the list of
// registered renderers the run offers.
#include "report/ReportSystem.h"

#include "PrintTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class ReportRun : public ::testing::Test {
  protected:
    void SetUp() override {
        System.SetPlatform(Platform);
        System.SystemPrinter.Title = "Puzzle Report";
        System.OnPrint = [this](TBaseReport& r) {
            ++PrintCalls;
            DrawPages(r, PagesToDraw);
        };
    }

    TSetupResult FileResult(const std::string& name, int format) {
        return Chosen(System.SetupInput(), rdFile, Dir.File(name), format);
    }

    test::TempFolder Dir;
    TTestPlatform Platform;
    TReportSystem System;
    int PrintCalls = 0;
    int PagesToDraw = 1;
};

using Lines = std::vector<std::string>;

} // namespace

TEST(RendererRegistry, NamingListsRenamingKeepsThePlaceDestroyingUnlists) {
    const size_t before = RegisteredRenderers().size();
    auto first = std::make_unique<TReportRender>();
    TReportRender second;
    first->SetDisplayName("First (ONE)");
    second.SetDisplayName("Second (TWO)");
    first->SetDisplayName("First renamed");
    const auto list = RegisteredRenderers();
    ASSERT_EQ(list.size(), before + 2);
    EXPECT_EQ(list[before].DisplayName, "First renamed");
    EXPECT_EQ(list[before + 1].Render, &second);
    const TReportRender* gone = first.get();
    first.reset();
    EXPECT_EQ(std::ranges::count(RegisteredRenderers(), gone, &TRegisteredRenderer::Render), 0);
    EXPECT_EQ(RegisteredRenderers().size(), before + 1);
}

TEST_F(ReportRun, CancelInSetupEndsTheRunWithoutRecording) {
    Platform.CancelSetup = true;
    System.RunReport();
    EXPECT_TRUE(System.Cancelled());
    EXPECT_EQ(PrintCalls, 0);
    EXPECT_EQ(Platform.Log, (Lines{"setup:0", "setup:1", "setup:2", "setup:3"}));
    EXPECT_TRUE(Platform.Printed.empty());
}

TEST_F(ReportRun, EveryLayoutHookReachesTheWriter) {
    Lines log;
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
    EXPECT_EQ(log, (Lines{"before", "page", "header", "decode png", "footer", "after"}));
}

// The status window opens, shows and closes before the preview gets the recording.
TEST_F(ReportRun, PreviewGetsTheRecordedStreamAfterTheStatusWindow) {
    PagesToDraw = 2;
    System.RunReport();
    EXPECT_FALSE(System.Cancelled());
    EXPECT_EQ(PrintCalls, 1);
    EXPECT_EQ(Platform.PreviewPages, 2);
    EXPECT_EQ(Platform.Log, (Lines{"setup:0", "setup:1", "setup:2", "setup:3", "status:0", "status:1",
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
    Platform.Accept = Chosen(System.SetupInput(), rdPrinter, "", 0, "3");
    for (const int max : {9999, 1}) {
        Platform.MaxCopies = max;
        Platform.Printed.clear();
        System.RunReport();
        EXPECT_EQ(System.CopiesByRepetition(), max == 1);
        ASSERT_EQ(Platform.Printed.size(), max == 1 ? 3u : 1u);
        for (const TPrintCall& call : Platform.Printed)
            EXPECT_TRUE(call.Copies == (max == 1 ? 1 : 3) && call.Pages == 1);
    }
}

// Cancel in the status window on page 1: no destination gets anything, an existing file keeps its
// bytes and no temporary file is left beside it.
TEST_F(ReportRun, CancelInStatusWindowAbortsTheWriterAndOutputsNothing) {
    TTextRender render;
    render.SetDisplayName("Cancelled Format (CNC)");
    render.SetFileExtension("*.cnc");
    PagesToDraw = 3;
    Lines lines;
    System.OverrideStatus = [&](TReportSystem& sys, TOverrideMode mode, std::unique_ptr<TRunForm>&) {
        if (mode != omShow) return;
        TNDRWriter* writer = sys.CurrentWriter();
        ASSERT_NE(writer, nullptr);
        writer->StatusLabel = [&lines, writer](const std::string& line) {
            lines.push_back(line);
            if (line == "Generating page 1") writer->Abort(); // the user presses Cancel at once
        };
    };
    const std::pair<TSetupResult, std::string> rows[] = {
        {Chosen(System.SetupInput(), rdPrinter), ""},
        {FileResult("old.ndr", 0), "old.ndr"},
        {FileResult("old.prn", 1), "old.prn"},
        {FileResult("old.cnc", FormatOf(render)), "old.cnc"}};
    for (const auto& [accept, oldFile] : rows) {
        SCOPED_TRACE(oldFile);
        if (!oldFile.empty()) test::WriteWholeFile(Dir.File(oldFile), "old bytes");
        Platform.Accept = accept;
        lines.clear();
        System.RunReport();
        EXPECT_TRUE(System.Cancelled());
        EXPECT_TRUE(Platform.Printed.empty());
        EXPECT_EQ(render.Pages, 0);
        EXPECT_EQ(lines.at(0), "Generating page 1"); // the filer's format wins over the printer's
        if (oldFile.empty()) continue;
        EXPECT_EQ(test::ReadWholeFile(Dir.File(oldFile)), "old bytes");
        EXPECT_EQ(Dir.Entries(), Lines{oldFile});
        fs::remove(Dir.File(oldFile));
    }
}

// A report whose pages are all left out is an empty report, not a damaged file.
TEST_F(ReportRun, ReportWithoutPagesIsWrittenAndPlayed) {
    System.SystemPrinter.FirstPage = 5;
    Platform.Accept = FileResult("empty", 0);
    System.RunReport();
    TFileStream in(Dir.File("empty.ndr"), fmOpenRead);
    EXPECT_EQ(PagesIn(in), 0);
    Platform.Accept = Chosen(System.SetupInput(), rdPrinter);
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
    EXPECT_EQ(render.Texts, Lines{"Page1"});
    EXPECT_EQ(Platform.Printed.size(), 1u); // nothing more reached the printer
}

TEST_F(ReportRun, NoGenerateOutputsTheFilerFileWithoutRecording) {
    Platform.Accept = FileResult("saved", 0);
    PagesToDraw = 2;
    System.RunReport();
    System.SystemSetups.Exclude(ssAllowSetup);
    System.SystemOptions.Include(soNoGenerate);
    System.SystemFiler.StreamMode = smFile;
    System.SystemFiler.FileName = Dir.File("saved.ndr");
    System.RunReport();
    EXPECT_EQ(PrintCalls, 1);
    EXPECT_EQ(Platform.PreviewPages, 2);
}

// A temporary recording is gone after the run; a user stream receives the recording.
TEST_F(ReportRun, TemporaryAndUserStreamsHoldTheRecording) {
    System.SystemFiler.StreamMode = smTempFile;
    System.RunReport();
    EXPECT_EQ(Platform.PreviewPages, 1);
    ASSERT_FALSE(Platform.FilerNameDuringPreview.empty());
    EXPECT_FALSE(fs::exists(Platform.FilerNameDuringPreview));
    EXPECT_EQ(System.SystemFiler.FileName, "");

    TMemoryStream user;
    System.SystemFiler.StreamMode = smUser;
    System.SystemFiler.Stream = &user;
    PagesToDraw = 2;
    System.RunReport();
    EXPECT_EQ(Platform.PreviewPages, 2);
    EXPECT_GT(user.Size(), 0u);
    System.SystemFiler.Stream = nullptr;
    EXPECT_THROW(System.RunReport(), EReportError);
}

TEST_F(ReportRun, FailuresPropagateAfterTheWindowsAreFreed) {
    Platform.Accept = Chosen(System.SetupInput(), rdPrinter);
    Platform.FailPrinting = true;
    EXPECT_EQ(ReportErrorOf([&] { System.RunReport(); }), "Printer is out of paper.");
    EXPECT_EQ(Platform.Log.back(), "status:3");

    Platform.Log.clear();
    System.OnPrint = [](TBaseReport&) { throw EReportError("layout failed"); };
    EXPECT_EQ(ReportErrorOf([&] { System.RunReport(); }), "layout failed");
    EXPECT_TRUE(System.Cancelled());
    EXPECT_EQ(Platform.Log.back(), "status:3");
    EXPECT_EQ(Platform.PreviewPages, -1);
    EXPECT_EQ(System.CurrentWriter(), nullptr);

    TReportSystem plain; // no platform: no windows and no printer
    plain.DefaultDest = rdPrinter;
    plain.OnPrint = [](TBaseReport& r) { r.PrintAt(1, 1, "x"); };
    EXPECT_EQ(ReportErrorOf([&] { plain.RunReport(); }), "No printers installed!");
}
