// The print run driven through its handlers: a fake platform stands in for the printer and the
// windows, and a text renderer plays what reaches a registered file format. Also the list of
// registered renderers the run offers.
#include "report/ReportSystem.h"

#include "PrintTestSupport.h"
#include "report/qt/PreviewForm.h"
#include "report/qt/QtReportPlatform.h"
#include "report/qt/SetupForm.h"
#include "report/qt/StatusForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// One run of numbered pages on the fake platform, with a registered file format of its own.
struct TRun {
    TRun() {
        Render.SetDisplayName("Counting Format (CNT)");
        Render.SetFileExtension("*.cnt");
        System.SetPlatform(Platform);
        System.OnPrint = [this](TBaseReport& r) {
            ++PrintCalls;
            DrawPages(r, PagesToDraw);
        };
        const std::pair<TReportEvent*, const char*> hooks[] = {{&System.OnBeforePrint, "before"},
                                                               {&System.OnNewPage, "page"},
                                                               {&System.OnPrintHeader, "header"},
                                                               {&System.OnPrintFooter, "footer"},
                                                               {&System.OnAfterPrint, "after"}};
        for (const auto& [hook, name] : hooks)
            *hook = [this, name](TBaseReport&) { Hooks += std::string(" ") + name; };
        System.OnDecodeImage = [this](TStream&, const std::string& type, platform::RgbBitmap&) {
            Hooks += " decode " + type;
        };
    }
    void Accept(TReportDest Dest, const std::string& Name = "", int Format = 0,
                const std::string& Copies = "") {
        Platform.Accept =
            Chosen(System.SetupInput(), Dest, Name.empty() ? "" : Dir.File(Name), Format, Copies);
    }
    // The user presses Cancel in the status window as soon as page 1 is being generated.
    void CancelAtOnce() {
        System.OverrideStatus = [this](TReportSystem& sys, TOverrideMode mode, std::unique_ptr<TRunForm>&) {
            TNDRWriter* writer = sys.CurrentWriter();
            if (mode != omShow || !writer) return;
            writer->StatusLabel = [writer](const std::string& line) {
                if (line == "Generating page 1") writer->Abort();
            };
        };
    }
    // What came out: windows opened (window:mode), layout calls and hooks, printer jobs, preview, the
    // renderer's output, and the files in the folder (old bytes, or the pages of a stream).
    std::string Outcome() {
        const auto name = [](const std::string& path) { return fs::path(path).filename().string(); };
        const std::string& filer = Platform.FilerNameDuringPreview;
        std::ostringstream out;
        for (const std::string& step : Platform.Log)
            out << step << " ";
        out << "\n  layouts " << PrintCalls << ", cancelled " << System.Cancelled()
            << ", copies by repetition " << System.CopiesByRepetition() << ", output stream left "
            << (System.OutputStream() != nullptr) << ", filer file '" << name(System.SystemFiler.FileName)
            << "'";
        for (const std::string& call : Platform.Printed)
            out << "\n  printer: " << call;
        if (Platform.PreviewPages >= 0)
            out << "\n  preview: " << Platform.PreviewPages << " pages, its filer file "
                << (filer.empty()       ? "none"
                    : fs::exists(filer) ? "kept"
                                        : "removed");
        if (System.Renderer()) out << "\n  renderer to '" << name(Render.OutputFileName()) << "':";
        for (const std::string& text : Render.Texts)
            out << " '" << text << "'";
        for (const std::string& file : Dir.Entries()) {
            TFileStream in(Dir.File(file), fmOpenRead);
            const bool old = test::ReadWholeFile(Dir.File(file)) == "old bytes";
            out << "\n  file " << file << ": "
                << (old ? "old bytes" : std::to_string(PagesIn(in)) + " pages");
        }
        if (User.Size() > 0) out << "\n  user stream: " << PagesIn(User) << " pages";
        if (!Hooks.empty()) out << "\n  hooks:" << Hooks;
        return out.str() + "\n";
    }

    test::TempFolder Dir;
    TTestPlatform Platform;
    TReportSystem System;
    TTextRender Render;
    TMemoryStream User;
    int PrintCalls = 0, PagesToDraw = 1;
    std::string Hooks;
};

// The shown window of type Form among the top-level windows.
template <class Form> Form* Shown() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window); form && form->isVisible()) return form;
    return nullptr;
}

} // namespace

// Renderers are listed by naming them and unlisted when destroyed, which every test that makes
// one relies on; renaming one keeps its place in the format list.
TEST(RendererRegistry, RenamingKeepsThePlace) {
    TReportRender first, second;
    first.SetDisplayName("First (ONE)");
    second.SetDisplayName("Second (TWO)");
    first.SetDisplayName("First renamed");
    EXPECT_EQ(FormatOf(second), FormatOf(first) + 1);
}

// Each row prepares a run; the golden list shows what it did. Among them: the page stream is
// written by the run, the printer's format by the printer, a renderer's format by the renderer,
// and only the first two get their extension; a report whose pages are all left out is an empty
// report, not a damaged file; Cancel in the status window outputs nothing, an existing file keeps
// its bytes and no temporary file is left beside it.
TEST(ReportRun, DestinationsAndOutcomes) {
    const std::pair<const char*, std::function<void(TRun&)>> rows[] = {
        {"cancel in setup", [](TRun& r) { r.Platform.CancelSetup = true; }},
        {"preview of two pages", [](TRun& r) { r.PagesToDraw = 2; }},
        {"a layout that decodes a picture",
         [](TRun& r) {
             r.System.OnPrint = [](TBaseReport& report) {
                 TMemoryStream image;
                 platform::RgbBitmap bitmap;
                 report.OnDecodeImage(image, "png", bitmap);
             };
         }},
        {"printer without setup",
         [](TRun& r) {
             r.System.SystemSetups.Exclude(ssAllowSetup);
             r.System.DefaultDest = rdPrinter;
         }},
        {"printer makes 3 copies", [](TRun& r) { r.Accept(rdPrinter, "", 0, "3"); }},
        {"printer of one copy: the run repeats",
         [](TRun& r) {
             r.Accept(rdPrinter, "", 0, "3");
             r.Platform.MaxCopies = 1;
         }},
        {"page stream file", [](TRun& r) { r.Accept(rdFile, "puzzle", FormatIndexNDR); }},
        {"printer format file", [](TRun& r) { r.Accept(rdFile, "puzzle", FormatIndexPRN); }},
        {"renderer file", [](TRun& r) { r.Accept(rdFile, "puzzle", FormatOf(r.Render)); }},
        {"no pages: page stream file",
         [](TRun& r) {
             r.System.SystemPrinter.FirstPage = 5;
             r.Accept(rdFile, "empty", FormatIndexNDR);
         }},
        {"no pages: printer",
         [](TRun& r) {
             r.System.SystemPrinter.FirstPage = 5;
             r.Accept(rdPrinter);
         }},
        {"temporary recording", [](TRun& r) { r.System.SystemFiler.StreamMode = smTempFile; }},
        {"user stream",
         [](TRun& r) {
             r.System.SystemFiler.StreamMode = smUser;
             r.System.SystemFiler.Stream = &r.User;
         }},
        {"no generate: the saved file is played again",
         [](TRun& r) {
             r.PagesToDraw = 2;
             r.Accept(rdFile, "saved", FormatIndexNDR);
             r.System.RunReport();
             r.Platform.Log.clear();
             r.Hooks.clear();
             r.System.SystemSetups.Exclude(ssAllowSetup);
             r.System.SystemOptions.Include(soNoGenerate);
             r.System.SystemFiler.StreamMode = smFile;
             r.System.SystemFiler.FileName = r.Dir.File("saved.ndr");
         }},
    };
    std::string out;
    for (const auto& [name, prepare] : rows) {
        TRun run;
        prepare(run);
        run.System.RunReport();
        out += std::string(name) + ": " + run.Outcome();
    }
    for (const auto& [name, format] : {std::pair{"", 0}, {"old.ndr", 0}, {"old.prn", 1}, {"old.cnt", -1}}) {
        TRun run;
        run.PagesToDraw = 3;
        run.CancelAtOnce();
        if (*name) test::WriteWholeFile(run.Dir.File(name), "old bytes");
        run.Accept(*name ? rdFile : rdPrinter, name, format == -1 ? FormatOf(run.Render) : format);
        run.System.RunReport();
        out += std::string("cancel in status: ") + (*name ? name : "printer") + ": " + run.Outcome();
    }
    EXPECT_TRUE(test::MatchesGoldenFile(out, PRINTING_TEST_DATA "/report-runs.txt"));
}

TEST(ReportRun, FailuresPropagateAfterTheWindowsAreFreed) {
    TRun run;
    run.Accept(rdPrinter);
    run.Platform.FailPrinting = true;
    EXPECT_EQ(ReportErrorOf([&] { run.System.RunReport(); }), "Printer is out of paper.");
    EXPECT_EQ(run.Platform.Log.back(), "status:3");

    run.Platform.Log.clear();
    run.System.OnPrint = [](TBaseReport&) { throw EReportError("layout failed"); };
    EXPECT_EQ(ReportErrorOf([&] { run.System.RunReport(); }), "layout failed");
    EXPECT_TRUE(run.System.Cancelled());
    EXPECT_EQ(run.Platform.Log.back(), "status:3");
    EXPECT_EQ(run.Platform.PreviewPages, -1);
    EXPECT_EQ(run.System.CurrentWriter(), nullptr);

    run.System.SystemFiler.StreamMode = smUser; // without its stream
    EXPECT_NE(ReportErrorOf([&] { run.System.RunReport(); }), "");
    TReportSystem plain; // no platform: no windows and no printer
    plain.DefaultDest = rdPrinter;
    plain.OnPrint = [](TBaseReport& r) { r.PrintAt(1, 1, "x"); };
    EXPECT_EQ(ReportErrorOf([&] { plain.RunReport(); }), "No printers installed!");
}

// The program's own windows, offscreen: the Output Options dialog chooses an existing page-stream
// file, and Cancel in the status window while pages are being recorded leaves that file as it was,
// with no temporary file beside it. Then previews the user closes, modal and not, and a status
// window that waits for Ok.
TEST(QtReportRun, CancelInTheStatusWindowPreviewAndWaitForOk) {
    test::TempFolder dir;
    test::WriteWholeFile(dir.File("old.ndr"), "old bytes");
    TReportSystem system;
    system.SetPlatform(QtReportPlatform());
    QString statusLine;
    system.OnPrint = [&](TBaseReport& r) {
        QTimer::singleShot(0, [&] {
            statusLine = Shown<TStatusForm>()->StatusLabel->text();
            Shown<TStatusForm>()->CancelButton->click();
        });
        for (int page = 1; page < 10000 && !r.Aborted(); ++page) {
            if (page > 1) r.NewPage();
            r.PrintAt(1, 1, "long report");
        }
    };
    QTimer::singleShot(0, [&] {
        TSetupForm* setup = Shown<TSetupForm>();
        setup->FileRadio->setChecked(true);
        setup->editFileName->setText(QString::fromStdString(dir.File("old.ndr")));
        setup->cboxFormat->setCurrentIndex(FormatIndexNDR);
        setup->bbtnOK->click();
    });
    system.RunReport();
    EXPECT_TRUE(system.Cancelled());
    EXPECT_TRUE(statusLine.startsWith("Generating page ")) << statusLine.toStdString();
    EXPECT_EQ(test::ReadWholeFile(dir.File("old.ndr")), "old bytes");
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"old.ndr"});

    system.SystemSetups.Exclude(ssAllowSetup);
    system.SystemOptions.Exclude(soShowStatus);
    system.OnPrint = [](TBaseReport& r) { DrawPages(r, 2); };
    int previews = 0;
    system.OnPreviewShow = [&](TReportSystem&) { ++previews; };
    for (bool modal : {true, false}) {
        modal ? system.SystemOptions.Include(soPreviewModal) : system.SystemOptions.Exclude(soPreviewModal);
        int pages = 0;
        QTimer::singleShot(0, [&] {
            pages = Shown<TPreviewForm>()->Preview.PageCount();
            Shown<TPreviewForm>()->reject();
        });
        system.RunReport();
        EXPECT_EQ(pages, 2) << modal;
    }
    EXPECT_EQ(previews, 2);

    system.SystemOptions.Include(soShowStatus);
    system.SystemOptions.Include(soWaitForOK); // as a replacement status flow asks for it
    std::unique_ptr<TRunForm> form;
    QtReportPlatform().StatusHandler(system, omCreate, form);
    QtReportPlatform().StatusHandler(system, omShow, form);
    QString button;
    QTimer::singleShot(0, [&] {
        button = Shown<TStatusForm>()->CancelButton->text();
        Shown<TStatusForm>()->CancelButton->click();
    });
    QtReportPlatform().StatusHandler(system, omWait, form);
    EXPECT_EQ(button, "Ok");
    QtReportPlatform().StatusHandler(system, omFree, form);
}
