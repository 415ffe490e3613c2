// The window itself, on the offscreen platform: start-up, digit entry through the picker and by a
// held key, the board's edges, commands and the settings written at the end.
#include "app/BlinkMarker.h"
#include "app/MainForm.h"
#include "app/NumberPicker.h"
#include "game/GameTexts.h"
#include "platform/ProgramPaths.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Cell = BoardPixels / 9;

QPoint SquareCentre(int c, int r) {
    return {(c - 1) * Cell + Cell / 2, (r - 1) * Cell + Cell / 2};
}

class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Folder =
            fs::temp_directory_path() / ("velmora-window-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(Folder);
        platform::ProgramPaths::SetExecutablePathOverride((Folder / "velmora-puzzle").string());
    }
    void TearDown() override {
        Form.reset();
        platform::ProgramPaths::SetExecutablePathOverride({});
        fs::remove_all(Folder);
    }

    void WriteSettings(const std::string& text) {
        std::ofstream(Folder / "velmora-puzzle.ini", std::ios::binary) << text;
    }

    TMainForm& Open() {
        Form = std::make_unique<TMainForm>();
        Form->FinishPause = 0;
        Form->show();
        Form->activateWindow();
        (void)QTest::qWaitForWindowExposed(Form.get());
        return *Form;
    }

    // The first square, column-major, that is empty (or a given, with Given = true).
    static bool Find(const TBoard& board, bool given, int& c, int& r) {
        for (c = 1; c <= 9; ++c)
            for (r = 1; r <= 9; ++r)
                if (given ? board[c][r].Given : board[c][r].Value == 0) return true;
        return false;
    }

    fs::path Folder;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(MainFormTest, StartsWithAnEmptyBoardAndTheSavedLevelDown) {
    WriteSettings("[options]\r\nDifficulty=3\r\nCurrent=42\r\n");
    TMainForm& form = Open();
    EXPECT_EQ(form.windowTitle(), QString::fromLatin1(GameTexts::WindowCaption));
    EXPECT_EQ(form.Client->size(), QSize(555, 554));
    EXPECT_EQ(form.pb->geometry(), QRect(79, 48, 399, 399));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window cannot be resized";
    EXPECT_TRUE(form.Btn2->isChecked());
    EXPECT_FALSE(form.Btn1->isChecked());
    EXPECT_EQ(form.Game.State.MinHoles, 48);
    EXPECT_EQ(form.Game.State.MaxHoles, 52);
    EXPECT_EQ(form.HelpLbl->text(), QString::fromLatin1(GameTexts::ChooseLevel));
    EXPECT_TRUE(form.HelpLbl->isVisible());
    EXPECT_FALSE(form.BtnPost->isEnabled() || form.BtnHelp->isEnabled() || form.BtnFinish->isEnabled());
    EXPECT_TRUE(form.BtnPrint->isEnabled() && form.Print1->isEnabled());
    EXPECT_EQ(form.StatusPane2->text(), "Puzzle Nr. 0");
    EXPECT_EQ(form.StatusPane1->text(), "Your progress ");
    EXPECT_EQ(form.LEDDisplay1->text(), " 00:00");
    EXPECT_FALSE(form.Timer1.isActive());
    EXPECT_TRUE(form.TimeoutTimer.isActive());
    EXPECT_EQ(form.ToolTipTime(), 10000);
    EXPECT_EQ(form.BtnNew->toolTip(), "Click here to create a new puzzle.");
    EXPECT_EQ(form.Game.Random.RandomSeed, 1u);
    EXPECT_TRUE(form.HiliteRowandColumn1->isChecked() && form.TimedGame1->isChecked());
}

TEST_F(MainFormTest, ClickingASquareOpensThePickerAndAChoiceFillsTheSquare) {
    TMainForm& form = Open();
    form.BtnNewClick();
    EXPECT_TRUE(form.Timer1.isActive());
    EXPECT_TRUE(form.BtnPost->isEnabled() && form.BtnHelp->isEnabled() && form.BtnFinish->isEnabled());
    int c = 0, r = 0;
    ASSERT_TRUE(Find(form.Game.State.Board, false, c, r));

    const QPoint at = SquareCentre(c, r);
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, at);
    ASSERT_TRUE(form.PickerPanel->isVisible());
    EXPECT_EQ(form.PickerPanel->pos(), form.pb->pos() + at - QPoint(50, 50));
    EXPECT_EQ(form.PickerPanel->CentreText(), QString());
    EXPECT_TRUE(form.pb->toolTip().isEmpty()) << "the board's tool-tip goes at the first press";

    // A press on a given leaves the picker open for its square; so does a right-click.
    int gc = 0, gr = 0;
    ASSERT_TRUE(Find(form.Game.State.Board, true, gc, gr));
    const TCell given = form.Game.State.Board[gc][gr];
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, SquareCentre(gc, gr));
    QTest::mouseClick(form.pb, Qt::RightButton, {}, SquareCentre(9, 9));
    EXPECT_TRUE(form.PickerPanel->isVisible());
    EXPECT_EQ(form.Game.State.Board[gc][gr], given);

    const QPoint seven = TNumberPicker::PartRect(TNumberPicker::TPart(TNumberPicker::ptDigit1 + 6)).center();
    QTest::mouseClick(form.PickerPanel, Qt::LeftButton, {}, seven);
    EXPECT_FALSE(form.PickerPanel->isVisible());
    EXPECT_EQ(form.Game.State.Board[c][r], (TCell{7, false}));
    EXPECT_TRUE(form.StatusPane1->text().startsWith("Progress: 1 so far, "));

    // Reopened on the filled square, the centre shows its digit, and pressing it erases.
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, at);
    EXPECT_EQ(form.PickerPanel->CentreText(), "7");
    QTest::mouseClick(form.PickerPanel, Qt::LeftButton, {},
                      TNumberPicker::PartRect(TNumberPicker::ptCentre).center());
    EXPECT_EQ(form.Game.State.Board[c][r].Value, 0);

    // A second press on the board closes the picker without entering anything.
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, at);
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, at);
    EXPECT_FALSE(form.PickerPanel->isVisible());
    EXPECT_EQ(form.Game.State.Board[c][r].Value, 0);
}

TEST_F(MainFormTest, HoldingADigitKeyWhileClickingEntersIt) {
    TMainForm& form = Open();
    form.BtnNewClick();
    int c = 0, r = 0, gc = 0, gr = 0;
    ASSERT_TRUE(Find(form.Game.State.Board, false, c, r));
    ASSERT_TRUE(Find(form.Game.State.Board, true, gc, gr));
    const TCell given = form.Game.State.Board[gc][gr];

    QTest::keyPress(form.pb, Qt::Key_7);
    EXPECT_EQ(form.HeldDigit, 7);
    EXPECT_TRUE(form.Label1->isVisible());
    EXPECT_EQ(form.Label1->text(), "7");
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, SquareCentre(c, r));
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, SquareCentre(gc, gr));
    EXPECT_EQ(form.Game.State.Board[c][r], (TCell{7, false}));
    EXPECT_EQ(form.Game.State.Board[gc][gr], given);
    EXPECT_FALSE(form.PickerPanel->isVisible());
    EXPECT_TRUE(form.StatusPane1->text().startsWith("Progress: 1 so far, "));
    QTest::keyRelease(form.pb, Qt::Key_7);
    EXPECT_EQ(form.HeldDigit, -1);
    EXPECT_FALSE(form.Label1->isVisible());

    QTest::keyPress(form.pb, Qt::Key_X);
    EXPECT_EQ(form.HeldDigit, 0);
    EXPECT_EQ(form.Label1->text(), "X");
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, SquareCentre(c, r));
    EXPECT_EQ(form.Game.State.Board[c][r].Value, 0);
    QTest::keyRelease(form.pb, Qt::Key_X);

    // The numeric keypad does not count, and another key lets go of the digit.
    QTest::keyPress(form.pb, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_EQ(form.HeldDigit, -1);
    QTest::keyRelease(form.pb, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyPress(form.pb, Qt::Key_4);
    QTest::keyPress(form.pb, Qt::Key_A);
    EXPECT_EQ(form.HeldDigit, -1);
}

TEST_F(MainFormTest, TheLastPixelsOfTheBoardCountAsTheNinthSquare) {
    TMainForm& form = Open();
    QTest::keyPress(form.pb, Qt::Key_5);
    QTest::mouseClick(form.pb, Qt::LeftButton, {}, QPoint(398, 396));
    QTest::keyRelease(form.pb, Qt::Key_5);
    EXPECT_EQ(form.Game.State.Board[9][9].Value, 5);
    QTest::mouseMove(form.pb, QPoint(397, 10));
    EXPECT_EQ(form.HoverCol, 9);
    EXPECT_EQ(form.HoverRow, 1);
    EXPECT_EQ(form.HoverBox, 3);
}

TEST_F(MainFormTest, HintShowsTheBlinkingMarkerAndCheckPaintsTheWrongSquareRed) {
    TMainForm& form = Open();
    form.FindPuzzle("1");
    form.BtnHelpClick();
    EXPECT_EQ(form.HelpLbl->text(), "The only possible number that can go here is 9");
    EXPECT_TRUE(form.BlinkLbl->isVisible());
    EXPECT_EQ(form.Game.MarkCol, 4);
    EXPECT_EQ(form.Game.MarkRow, 3);
    EXPECT_EQ(form.BlinkLbl->pos(), QPoint(4 * Cell + 33, 3 * Cell - 3));

    form.TimeoutTimerTimer();
    EXPECT_FALSE(form.BlinkLbl->isVisible());
    form.DrawBoard(form.Game.State.Board);
    const QPoint inside = SquareCentre(4, 3) + QPoint(-15, -15);
    EXPECT_EQ(QColor(form.BoardBitmap.pixel(inside)), QColor(255, 0, 0));

    // Check with a wrong digit marks it; the next press on the board clears the mark.
    form.Game.EnterDigit(4, 3, 1);
    form.BtnPostClick();
    EXPECT_EQ(form.HelpLbl->text(), "The number 1 does not belong here");
    EXPECT_TRUE(form.HelpLbl->isVisible());
    EXPECT_EQ(QColor(form.BoardBitmap.pixel(inside)), QColor(255, 0, 0));
    QTest::mouseClick(form.pb, Qt::RightButton, {}, SquareCentre(1, 1));
    EXPECT_EQ(form.Game.MarkCol, -1);
    EXPECT_NE(QColor(form.BoardBitmap.pixel(inside)), QColor(255, 0, 0));
}

TEST_F(MainFormTest, FinishCompletesTheBoardAndStopsTheClock) {
    TMainForm& form = Open();
    form.LevelMouseDown(1);
    EXPECT_TRUE(form.Btn->isChecked());
    EXPECT_FALSE(form.Btn1->isChecked());
    EXPECT_EQ(form.Game.State.MaxHoles, 40);
    form.BtnFinishClick();
    EXPECT_TRUE(IsSolved(form.Game.State.Board));
    EXPECT_EQ(form.HelpLbl->text(), "Puzzle Complete");
    EXPECT_FALSE(form.Timer1.isActive());
    EXPECT_FALSE(form.Game.GameInProgress);
    EXPECT_TRUE(form.FormCloseQuery()) << "nothing to save after a finished game";
}

TEST_F(MainFormTest, ClockAndOptionsShowAtOnce) {
    TMainForm& form = Open();
    form.Game.ElapsedSeconds = 306;
    form.Timer1Timer();
    EXPECT_EQ(form.LEDDisplay1->text(), " 05:07");
    form.TimedGame1->trigger();
    EXPECT_EQ(form.LEDDisplay1->text(), " * * * ");
    EXPECT_FALSE(form.Game.Options.TimedGame);

    form.HiliteRowandColumn1->trigger();
    EXPECT_FALSE(form.Game.Options.HiliteRowAndColumn);
    form.HiliteCell1->trigger();
    EXPECT_FALSE(form.Game.Options.HiliteCell);
    QTest::mouseMove(form.pb, SquareCentre(2, 2));
    EXPECT_EQ(QColor(form.BoardBitmap.pixel(SquareCentre(2, 7))), QColor(255, 255, 255));

    // A pause the window makes itself (printing) lasts until the game starts the clock again.
    form.BtnNewClick();
    ASSERT_TRUE(form.Timer1.isActive());
    form.Timer1.stop();
    int c = 0, r = 0;
    ASSERT_TRUE(Find(form.Game.State.Board, false, c, r));
    form.Game.EnterDigit(c, r, 1);
    form.ShowGame();
    EXPECT_FALSE(form.Timer1.isActive());
    form.BtnRefreshClick();
    EXPECT_TRUE(form.Timer1.isActive());

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form.Toolbar1, &leave);
    EXPECT_EQ(form.ToolTipTime(), 3000);
}

TEST_F(MainFormTest, SettingsAreWrittenWhenTheWindowGoes) {
    Open().LevelMouseDown(4);
    const std::int32_t number = Form->Game.State.PuzzleNumber;
    Form->TimedGame1->trigger();
    Form.reset();
    std::ifstream in(Folder / "velmora-puzzle.ini", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "[options]\r\nHiliteRowAndColumn=1\r\nHiliteCell=1\r\nHiliteErrors=0\r\nUserFont=1\r\n"
              "Timer=0\r\nDifficulty=4\r\nCurrent=" +
                  std::to_string(number) + "\r\n");
}

} // namespace
