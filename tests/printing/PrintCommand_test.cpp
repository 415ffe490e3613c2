// The Print command in the real window (offscreen): printing to a page-stream file, to a PDF file
// and into a failure, and what becomes of the highlighting and the clock.
#include "app/PrintCommand.h"

#include "PrintTestSupport.h"
#include "app/BookForm.h"
#include "app/MainForm.h"
#include "tests/app/MainFormTestAccess.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

class PrintWindowTest : public TMainFormTestAccess {
  protected:
    void SetUp() override {
        TMainFormTestAccess::SetUp();
        Open();
        // Easy, both highlights on (no settings file), the pointer on the middle square.
        QTest::mousePress(Control("Btn"), Qt::LeftButton);
        QTest::mouseMove(Control("pb"), QPoint(4 * 44 + 22, 4 * 44 + 22));
    }

    // Chooses the File destination with a format, as the dialog's OK would, and runs the command.
    void PrintToFile(TPrintCommand& command, const fs::path& name, int format) {
        command.ReportSystem1.OverrideSetup = [=, this](TReportSystem& s, TOverrideMode mode,
                                                        std::unique_ptr<TRunForm>&) {
            if (mode != omWait) return;
            const TGameOptions& options = Game().Options();
            DuringRun = {options.HiliteRowAndColumn, options.HiliteCell, ClockRunning()};
            BitmapDuringRun = BoardBitmap().copy();
            s.ApplySetup(Chosen(s.SetupInput(), rdFile, name.string(), format));
        };
        command.ReportSystem1.SystemOptions.Exclude(soShowStatus);
        command.Execute();
    }

    std::array<bool, 3> DuringRun{true, true, true};
    QImage BitmapDuringRun;
};

} // namespace

// The page stream holds the one page with the game's number; the highlighting and the clock are
// off during the run and back after it. The PDF writer is offered and writes one page. After
// printing the clock runs when a timed game is in progress, whatever it did before.
TEST_F(PrintWindowTest, PageStreamAndPdfFilesHoldOnePageWithoutHighlighting) {
    const QImage before = BoardBitmap().copy();
    ASSERT_TRUE(ClockRunning());
    TPrintCommand command(PrintSteps());
    PrintToFile(command, fs::path(Temp.Path()) / "puzzle", FormatIndexNDR);
    EXPECT_EQ(DuringRun, (std::array<bool, 3>{false, false, false}));
    EXPECT_NE(BitmapDuringRun, before);
    EXPECT_TRUE(Game().Options().HiliteRowAndColumn && Game().Options().HiliteCell);
    EXPECT_EQ(BoardBitmap(), before);
    EXPECT_TRUE(ClockRunning());
    TFileStream file((fs::path(Temp.Path()) / "puzzle.ndr").string(), fmOpenRead);
    TTextRender render;
    TPageConverter(file, render).Generate(0);
    EXPECT_EQ(render.Pages, 1);
    EXPECT_EQ(render.Texts,
              std::vector<std::string>{"Sudoku Puzzle Number " + std::to_string(Game().State().PuzzleNumber) +
                                       " Courtesy of " + VelmoraSite});

    EXPECT_EQ(command.RenderPDF1.DisplayName(), "Portable Document Format (PDF)");
    ASSERT_GE(FormatOf(command.RenderPDF1), 2);
    PauseClock(); // a timed game's clock runs after printing, whatever it did before
    PrintToFile(command, fs::path(Temp.Path()) / "puzzle.pdf", FormatOf(command.RenderPDF1));
    EXPECT_TRUE(ClockRunning());
    const std::string pdf = test::ReadWholeFile((fs::path(Temp.Path()) / "puzzle.pdf").string());
    EXPECT_EQ(pdf.rfind("%PDF-1.3", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos); // the file's form is the PDF tests' part

    Control<QAction>("TimedGame1")->trigger(); // an untimed game's clock stays stopped after printing
    ASSERT_TRUE(ClockRunning());
    PrintToFile(command, fs::path(Temp.Path()) / "untimed", FormatIndexNDR);
    EXPECT_FALSE(ClockRunning());
}

TEST_F(PrintWindowTest, UnwritableFileEndsInAMessageAndTheGameIsUnchanged) {
    Control<QAction>("HiliteCell1")->trigger();
    TMessageCatcher messages;
    TPrintCommand command(PrintSteps());
    PrintToFile(command, fs::path(Temp.Path()) / "missing" / "puzzle", FormatIndexNDR);
    ASSERT_EQ(messages.Texts.size(), 1);
    EXPECT_TRUE(messages.Texts[0].contains("puzzle")) << messages.Texts[0].toStdString();
    EXPECT_TRUE(Game().Options().HiliteRowAndColumn);
    EXPECT_FALSE(Game().Options().HiliteCell);
    EXPECT_TRUE(ClockRunning());
    EXPECT_FALSE(fs::exists(fs::path(Temp.Path()) / "missing"));
}

TEST_F(PrintWindowTest, PuzzleBookOpensItsDialogAtTheCurrentPuzzleWithTheClockStopped) {
    bool shown = false, clockDuring = true;
    TBookOptions book;
    QTimer::singleShot(0, [&] {
        if (auto* form = qobject_cast<TBookForm*>(QApplication::activeModalWidget())) {
            shown = true;
            book = form->Options();
            clockDuring = ClockRunning();
            form->reject();
        }
    });
    Control<QAction>("PrintBook1")->trigger();
    ASSERT_TRUE(shown);
    EXPECT_EQ(book.FirstNumber, Game().State().PuzzleNumber);
    EXPECT_EQ(book.Difficulty, 1);
    EXPECT_FALSE(clockDuring);
    EXPECT_TRUE(ClockRunning()); // a cancelled book puts the window back as Print does
}
