// The Print command: its steps and restore rules with a scripted window, then the real window
// (offscreen) printing to a page-stream file, to a PDF file and into a failure.
#include "app/PrintCommand.h"

#include "PrintTestSupport.h"
#include "app/BookForm.h"
#include "app/MainForm.h"
#include "report/RendererRegistry.h"
#include "report/ReportError.h"
#include "tests/app/MainFormTestAccess.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class TScriptedSteps : public TPrintSteps {
  public:
    bool RowAndColumn = true, Cell = true, Timed = true, Clock = true;
    std::function<void()> Run = [] {};
    std::vector<std::string> Log;
    std::string Error;

    void SetClockRunning(bool on) override {
        Clock = on;
        Log.push_back(on ? "clock on" : "clock off");
    }
    bool HiliteRowAndColumn() const override { return RowAndColumn; }
    bool HiliteCell() const override { return Cell; }
    void SetHilite(bool rc, bool c) override {
        RowAndColumn = rc;
        Cell = c;
        Log.push_back(std::string("hilite ") + (rc ? "1" : "0") + (c ? "1" : "0"));
    }
    void RepaintBoard() override { Log.push_back("repaint"); }
    bool ClockShouldRun() const override { return Timed; }
    platform::RgbBitmap BoardPicture() const override { return {}; }
    std::int32_t PuzzleNumber() const override { return 0; }
    void ShowError(const std::string& m) override { Error = m; }

    void Print() {
        RunPrintCommand(*this, [this] {
            Log.push_back("run");
            Run();
        });
    }
};

} // namespace

TEST(PrintCommandSteps, RunsWithoutHighlightingAndPutsItBack) {
    TScriptedSteps steps;
    steps.Cell = false;
    steps.Print();
    EXPECT_EQ(steps.Log, (std::vector<std::string>{"clock off", "hilite 00", "repaint", "run", "hilite 10",
                                                   "repaint", "clock on"}));
    EXPECT_TRUE(steps.RowAndColumn);
    EXPECT_FALSE(steps.Cell);
    EXPECT_EQ(steps.Error, "");
}

TEST(PrintCommandSteps, ClockFollowsTheTimedGameNotItsEarlierState) {
    TScriptedSteps steps;
    steps.Timed = false;
    steps.Print();
    EXPECT_FALSE(steps.Clock);

    TScriptedSteps stopped;
    stopped.Clock = false; // stopped before: a timed game runs again afterwards
    stopped.Print();
    EXPECT_TRUE(stopped.Clock);
}

TEST(PrintCommandSteps, FailedRunRestoresTheWindowAndShowsTheMessage) {
    TScriptedSteps steps;
    steps.Run = [] { throw EReportError("Cannot create file \"/no/such/dir/x.ndr\"."); };
    steps.Print();
    EXPECT_TRUE(steps.RowAndColumn && steps.Cell && steps.Clock);
    EXPECT_EQ(steps.Log.back(), "clock on");
    EXPECT_EQ(steps.Error, "Cannot create file \"/no/such/dir/x.ndr\".");
}

namespace {

class PrintWindowTest : public TWindowTest {
  protected:
    void SetUp() override {
        TWindowTest::SetUp();
        Open();
        // Easy, both highlights on (no settings file), the pointer on the middle square.
        QTest::mousePress(Control("Btn"), Qt::LeftButton);
        QTest::mouseMove(Control("pb"), QPoint(4 * 44 + 22, 4 * 44 + 22));
    }

    // Chooses the File destination with a format, as the dialog's OK would.
    void ChooseFile(TPrintCommand& command, const fs::path& name, int format) {
        command.ReportSystem1.OverrideSetup = [=, this](TReportSystem& s, TOverrideMode mode,
                                                        std::unique_ptr<TRunForm>&) {
            if (mode != omWait) return;
            DuringRun = {Access->Game().Options().HiliteRowAndColumn, Access->Game().Options().HiliteCell,
                         Access->ClockRunning()};
            BitmapDuringRun = Access->BoardBitmap().copy();
            TSetupChoice c;
            c.Dest = rdFile;
            c.FileName = name.string();
            c.FormatIndex = format;
            s.ApplySetup(SetupAccept(s.SetupInput(), c));
        };
        command.ReportSystem1.SystemOptions.Exclude(soShowStatus);
    }

    std::array<bool, 3> DuringRun{true, true, true};
    QImage BitmapDuringRun;
};

} // namespace

TEST_F(PrintWindowTest, PageStreamFileHoldsOnePageWithoutHighlighting) {
    const QImage before = Access->BoardBitmap().copy();
    ASSERT_TRUE(Access->ClockRunning());
    TPrintCommand command(Access->PrintSteps());
    ChooseFile(command, Folder / "puzzle", FormatIndexNDR);
    command.Execute();

    EXPECT_EQ(DuringRun, (std::array<bool, 3>{false, false, false}));
    EXPECT_NE(BitmapDuringRun, before); // the highlighted row, column and box were gone
    EXPECT_TRUE(Access->Game().Options().HiliteRowAndColumn && Access->Game().Options().HiliteCell);
    EXPECT_EQ(Access->BoardBitmap(), before); // and are back
    EXPECT_TRUE(Access->ClockRunning());

    TFileStream file((Folder / "puzzle.ndr").string(), fmOpenRead);
    TTextRender render;
    TPageConverter(file, render).Generate(0);
    EXPECT_EQ(render.Pages, 1);
    ASSERT_EQ(render.Texts.size(), 1u);
    EXPECT_EQ(render.Texts[0], "Sudoku Puzzle Number " + std::to_string(Access->Game().State().PuzzleNumber) +
                                   " Courtesy of " + VelmoraSite);
}

TEST_F(PrintWindowTest, PdfThroughTheDialogHasOnePage) {
    TPrintCommand command(Access->PrintSteps());
    const auto renderers = ActiveRenderers();
    const auto it = std::find_if(renderers.begin(), renderers.end(), [&](const TRegisteredRenderer& r) {
        return r.Render == &command.RenderPDF1;
    });
    ASSERT_NE(it, renderers.end());
    EXPECT_EQ(it->DisplayName, "Portable Document Format (PDF)");
    ChooseFile(command, Folder / "puzzle.pdf", 2 + static_cast<int>(it - renderers.begin()));
    command.Execute();
    const std::string pdf = test::ReadWholeFile((Folder / "puzzle.pdf").string());
    ASSERT_EQ(pdf.rfind("%PDF-1.3", 0), 0u);
    const std::string check = "qpdf --check '" + (Folder / "puzzle.pdf").string() + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0);
    const std::string pages = "pdfinfo '" + (Folder / "puzzle.pdf").string() + "' | grep -q '^Pages: *1$'";
    EXPECT_EQ(std::system(pages.c_str()), 0);
}

TEST_F(PrintWindowTest, UnwritableFileEndsInAMessageAndTheGameIsUnchanged) {
    Control<QAction>("HiliteCell1")->trigger();
    TPrintCommand command(Access->PrintSteps());
    ChooseFile(command, Folder / "missing" / "puzzle", FormatIndexNDR);
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->close();
        }
    });
    command.Execute();
    EXPECT_TRUE(shown.contains("puzzle")) << shown.toStdString();
    EXPECT_TRUE(Access->Game().Options().HiliteRowAndColumn);
    EXPECT_FALSE(Access->Game().Options().HiliteCell);
    EXPECT_TRUE(Access->ClockRunning());
    EXPECT_FALSE(fs::exists(Folder / "missing"));
}

TEST_F(PrintWindowTest, PuzzleBookOpensItsDialogAtTheCurrentPuzzleWithTheClockStopped) {
    bool shown = false, clockDuring = true;
    TBookOptions book;
    QTimer::singleShot(0, [&] {
        if (auto* form = qobject_cast<TBookForm*>(QApplication::activeModalWidget())) {
            shown = true;
            book = form->Options();
            clockDuring = Access->ClockRunning();
            form->reject();
        }
    });
    Control<QAction>("PrintBook1")->trigger();
    ASSERT_TRUE(shown);
    EXPECT_EQ(book.FirstNumber, Access->Game().State().PuzzleNumber);
    EXPECT_EQ(book.Difficulty, 1);
    EXPECT_FALSE(clockDuring);
    EXPECT_TRUE(Access->ClockRunning()); // a cancelled book puts the window back as Print does
}
