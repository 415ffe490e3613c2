// The Print command: the clock rule with a scripted window, then the real window (offscreen)
// printing to a page-stream file, to a PDF file and into a failure.
#include "app/PrintCommand.h"

#include "PrintTestSupport.h"
#include "app/BookForm.h"
#include "app/MainForm.h"
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

// A window whose highlighting and clock are two flags.
class TScriptedSteps : public TPrintSteps {
  public:
    bool Timed = true, Clock = true;
    void SetClockRunning(bool on) override { Clock = on; }
    bool HiliteRowAndColumn() const override { return true; }
    bool HiliteCell() const override { return true; }
    void SetHilite(bool, bool) override {}
    void RepaintBoard() override {}
    bool ClockShouldRun() const override { return Timed; }
    platform::RgbBitmap BoardPicture() const override { return {}; }
    std::int32_t PuzzleNumber() const override { return 0; }
    void ShowError(const std::string&) override {}
};

} // namespace

// After printing the clock runs when a timed game is in progress, whatever it did before.
TEST(PrintCommandSteps, ClockFollowsTheTimedGameNotItsEarlierState) {
    for (const auto& [timed, before] : {std::pair{false, true}, {true, false}}) {
        TScriptedSteps steps;
        steps.Timed = timed;
        steps.Clock = before;
        RunPrintCommand(steps, [] {});
        EXPECT_EQ(steps.Clock, timed);
    }
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
    EXPECT_EQ(command.RenderPDF1.DisplayName(), "Portable Document Format (PDF)");
    ASSERT_GE(FormatOf(command.RenderPDF1), 2); // offered in the dialog
    ChooseFile(command, Folder / "puzzle.pdf", FormatOf(command.RenderPDF1));
    command.Execute();
    const std::string pdf = test::ReadWholeFile((Folder / "puzzle.pdf").string());
    ASSERT_EQ(pdf.rfind("%PDF-1.3", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos); // one page; the file's form is the PDF tests' part
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
