// The window itself, on the offscreen platform, driven through its controls: start-up, digit
// entry through the picker and by a held key, the board's edges, commands, saved games and the
// settings written at the end.
#include "MainFormTestAccess.h"
#include "app/BestTimesForm.h"
#include "app/BlinkMarker.h"
#include "app/DigitRowKey.h"
#include "app/NumberPicker.h"
#include "engine/MessageTexts.h"
#include "engine/Progress.h"
#include "game/GameTexts.h"

#include <QAction>
#include <QCursor>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

constexpr int Cell = BoardPixels / 9;
const QColor Red(255, 0, 0);

QPoint SquareCentre(int c, int r) {
    return {(c - 1) * Cell + Cell / 2, (r - 1) * Cell + Cell / 2};
}

class MainFormTest : public TWindowTest {
  protected:
    TMainFormTestAccess& OpenBoard() {
        TMainFormTestAccess& access = Open();
        Board = Control("pb");
        Picker = Control<TNumberPicker>("PickerPanel");
        return access;
    }

    QToolButton* Button(const char* name) { return Control<QToolButton>(name); }
    QAction* Action(const char* name) { return Control<QAction>(name); }
    QString Shown(const char* name) { return Control<QLabel>(name)->text(); }
    const TBoard& GameBoard() { return Access->Game().Board(); }
    QColor PixelOf(QPoint at) { return QColor(Access->BoardBitmap().pixel(at)); }
    QPoint PointerOnNew() {
        QToolButton* nw = Button("BtnNew");
        return nw->mapToGlobal(QPoint(nw->width() / 2, nw->height() / 2));
    }
    // The help line's text; empty while it is hidden.
    std::string Help() {
        const auto* help = Control<QLabel>("HelpLbl");
        return help->isVisible() ? help->text().toStdString() : "";
    }
    void ExpectProgressOfTheBoard(const char* after) {
        const ProgressCounts counts = CountProgress(GameBoard());
        EXPECT_EQ(Shown("StatusPane1").toStdString(), ProgressText(counts.Entries, counts.ToGo).View())
            << after;
        EXPECT_EQ(Control<QProgressBar>("ProgressBar1")->value(), counts.Percentage) << after;
    }
    void WriteSavedGame(const std::string& text) { test::WriteWholeFile(File("velmora-puzzle.sav"), text); }
    std::string File(const char* name) { return (Folder / name).string(); }

    void ClickSquare(int c, int r, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Board, button, {}, SquareCentre(c, r));
    }
    void ClickHolding(Qt::Key key, int c, int r) {
        QTest::keyPress(Board, key);
        ClickSquare(c, r);
        QTest::keyRelease(Board, key);
    }

    // The first square, column-major, that is empty (or a given); (0, 0) when there is none.
    std::pair<int, int> First(bool given) {
        for (int c = 1; c <= 9; ++c)
            for (int r = 1; r <= 9; ++r)
                if (given ? GameBoard()[c][r].Given : GameBoard()[c][r].Value == 0) return {c, r};
        return {0, 0};
    }

    QWidget* Board = nullptr;
    TNumberPicker* Picker = nullptr;
};

TEST_F(MainFormTest, StartsWithAnEmptyBoardAndTheSavedLevelDown) {
    test::WriteWholeFile(File("velmora-puzzle.ini"), "[options]\r\nDifficulty=3\r\nCurrent=42\r\n");
    // What saves killed halfway left behind goes at start-up; anything else stays.
    const char* leftovers[] = {"ini", "sav", "notes", "times", "txt"};
    const auto leftover = [&](const std::string& kind) {
        return Folder / ("velmora-puzzle." + kind + ".tmp-a1B2c3");
    };
    for (const char* kind : leftovers) {
        test::WriteWholeFile(leftover(kind).string(), "half");
        std::filesystem::last_write_time(leftover(kind), std::filesystem::file_time_type::clock::now() -
                                                             std::chrono::hours(1));
    }
    TMainFormTestAccess& access = OpenBoard();
    for (const char* kind : leftovers)
        EXPECT_EQ(std::filesystem::exists(leftover(kind)), std::string(kind) == "txt") << kind;
    EXPECT_TRUE(Button("Btn2")->isChecked());
    EXPECT_EQ(access.Game().State().MinHoles, 48);
    // The help line and the greyed commands are in the start-up picture below.
    EXPECT_FALSE(access.ClockRunning());
    EXPECT_TRUE(access.MarkerTimerRunning());
    EXPECT_EQ(access.Game().RandomSeed(), 1u);
    EXPECT_TRUE(Action("HiliteRowandColumn1")->isChecked() && Action("TimedGame1")->isChecked());
    EXPECT_EQ(QFontInfo(Form->font()).family(), "Liberation Sans");

    // The pointer rests on New, also when a window manager places the window after showing it.
    EXPECT_EQ(QCursor::pos(), PointerOnNew());
    Form->move(Form->pos() + QPoint(1, 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(QCursor::pos(), PointerOnNew());

    Button("BtnRefresh")->click();
    EXPECT_FALSE(access.ClockRunning()) << "nothing dealt, nothing to restart";
    EXPECT_EQ(Shown("StatusPane2"), "Puzzle Nr. 0");
}

// The window below its menu bar as it first shows, pixel for pixel; a changed picture is written
// beside the golden one for a look.
TEST_F(MainFormTest, StartupPictureIsUnchanged) {
    OpenBoard();
    QTest::mouseMove(Form->centralWidget(), QPoint(300, 540));
    QTest::mouseMove(Button("BtnNew")); // where start-up leaves the pointer
    QTest::qWait(50);
    const QImage shown = Form->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString golden = QStringLiteral(APP_TEST_DATA "/startup.png");
    const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
    if (shown != expected) {
        shown.save(QStringLiteral(APP_TEST_DATA "/startup.actual.png"));
        FAIL() << "the start-up window differs from " << golden.toStdString();
    }
}

TEST_F(MainFormTest, ClickingASquareOpensThePickerAndAChoiceFillsTheSquare) {
    TMainFormTestAccess& access = OpenBoard();
    Button("BtnNew")->click();
    EXPECT_TRUE(access.ClockRunning());
    EXPECT_TRUE(Button("BtnPost")->isEnabled() && Button("BtnHelp")->isEnabled() &&
                Button("BtnFinish")->isEnabled());
    const auto [c, r] = First(false);
    const auto [gc, gr] = First(true);

    ClickSquare(c, r);
    ASSERT_TRUE(Picker->isVisible());
    EXPECT_EQ(Picker->pos(), Board->pos() + SquareCentre(c, r) - QPoint(50, 50));
    EXPECT_EQ(Picker->CentreText(), QString());
    EXPECT_TRUE(Board->toolTip().isEmpty()) << "the board's tool-tip goes at the first press";

    // A press on a given leaves the picker open for its square; so does a right-click.
    const TCell given = GameBoard()[gc][gr];
    ClickSquare(gc, gr);
    ClickSquare(9, 9, Qt::RightButton);
    EXPECT_TRUE(Picker->isVisible());
    EXPECT_EQ(GameBoard()[gc][gr], given);

    const QPoint seven = TNumberPicker::PartRect(TNumberPicker::TPart(TNumberPicker::ptDigit1 + 6)).center();
    QTest::mouseClick(Picker, Qt::LeftButton, {}, seven);
    EXPECT_FALSE(Picker->isVisible());
    EXPECT_EQ(GameBoard()[c][r], (TCell{7, false}));
    EXPECT_TRUE(Shown("StatusPane1").startsWith("Progress: 1 so far, "));

    // Reopened on the filled square, the centre shows its digit, and pressing it erases.
    ClickSquare(c, r);
    EXPECT_EQ(Picker->CentreText(), "7");
    QTest::mouseClick(Picker, Qt::LeftButton, {}, TNumberPicker::PartRect(TNumberPicker::ptCentre).center());
    EXPECT_EQ(GameBoard()[c][r].Value, 0);

    // A double click on a filled square: its second press lands on the picker just opened, and
    // is no choice.
    ClickHolding(Qt::Key_7, c, r);
    QTest::mousePress(Board, Qt::LeftButton, {}, SquareCentre(c, r));
    const QPoint centre = Picker->mapFromParent(Board->mapToParent(SquareCentre(c, r)));
    QTest::mousePress(Picker, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(Picker, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(Picker, Qt::LeftButton, {}, centre);
    EXPECT_EQ(GameBoard()[c][r].Value, 7);
    EXPECT_TRUE(Picker->isVisible());
    QTest::mouseClick(Picker, Qt::LeftButton, {}, TNumberPicker::PartRect(TNumberPicker::ptCentre).center());
    EXPECT_EQ(GameBoard()[c][r].Value, 0) << "a later press chooses";

    // A second press on the board closes the picker without entering anything.
    ClickSquare(c, r);
    ClickSquare(c, r);
    EXPECT_FALSE(Picker->isVisible());
    EXPECT_EQ(GameBoard()[c][r].Value, 0);
}

TEST_F(MainFormTest, HoldingADigitKeyWhileClickingEntersIt) {
    OpenBoard();
    Button("BtnNew")->click();
    const auto [c, r] = First(false);
    const auto [gc, gr] = First(true);
    const TCell given = GameBoard()[gc][gr];
    QLabel* held = Control<QLabel>("Label1");

    QTest::keyPress(Board, Qt::Key_7);
    EXPECT_TRUE(held->isVisible());
    EXPECT_EQ(held->text(), "7");
    ClickSquare(c, r);
    ClickSquare(gc, gr);
    EXPECT_EQ(GameBoard()[c][r], (TCell{7, false}));
    EXPECT_EQ(GameBoard()[gc][gr], given);
    EXPECT_FALSE(Picker->isVisible());
    QTest::keyRelease(Board, Qt::Key_7);
    EXPECT_FALSE(held->isVisible());

    QTest::keyPress(Board, Qt::Key_X);
    EXPECT_EQ(held->text(), "X");
    ClickSquare(c, r);
    EXPECT_EQ(GameBoard()[c][r].Value, 0);
    QTest::keyRelease(Board, Qt::Key_X);

    // The numeric keypad is not held (it types into the keyboard's square), and another key lets
    // go of the digit: the click opens the picker instead.
    QTest::keyPress(Board, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_FALSE(held->isVisible());
    QTest::keyRelease(Board, Qt::Key_7, Qt::KeypadModifier);
    QTest::keyClick(Board, Qt::Key_Delete);
    QTest::keyPress(Board, Qt::Key_4);
    QTest::keyPress(Board, Qt::Key_A);
    ClickSquare(c, r);
    EXPECT_EQ(GameBoard()[c][r].Value, 0);
    EXPECT_TRUE(Picker->isVisible());

    // The key counts by its place: the first key of the digit row types "&" in a French layout.
    QKeyEvent ampersand(QEvent::KeyPress, Qt::Key_Ampersand, Qt::NoModifier, 10, 0x26, 0, "&");
    QApplication::sendEvent(Board, &ampersand);
    EXPECT_EQ(held->text(), "1");
}

TEST(DigitRowKey, CountsTheDigitRowByNativeKeyCodeAndNeverTheKeypad) {
    // Name, native key code, Qt key, from the keypad, digit.
    const std::tuple<const char*, std::uint32_t, int, bool, int> rows[] = {
        {"1", 10, Qt::Key_1, false, 1},
        {"9", 18, Qt::Key_9, false, 9},
        {"0", 19, Qt::Key_0, false, 0},
        {"1 of a layout that types & there", 10, Qt::Key_Ampersand, false, 1},
        {"5 with Shift", 14, Qt::Key_Percent, false, 5},
        {"a letter", 24, Qt::Key_Q, false, -1},
        {"the minus key after 0", 20, Qt::Key_Minus, false, -1},
        {"keypad 1", 87, Qt::Key_1, true, -1},
        {"keypad 1 with Num Lock off", 87, Qt::Key_End, true, -1},
        {"no native code: the Qt key", 0, Qt::Key_7, false, 7},
        {"no native code, keypad", 0, Qt::Key_7, true, -1},
        {"no native code, a letter", 0, Qt::Key_X, false, -1},
    };
    for (const auto& [name, nativeCode, qtKey, keypad, digit] : rows)
        EXPECT_EQ(DigitRowKey(nativeCode, qtKey, keypad), digit) << name;
}

TEST_F(MainFormTest, HintShowsTheBlinkingMarkerAndCheckPaintsTheWrongSquareRed) {
    TMainFormTestAccess& access = OpenBoard();
    auto* marker = Control<TBlinkMarker>("BlinkLbl");
    access.Find("1");
    Button("BtnHelp")->click();
    EXPECT_EQ(Help(), "The only possible number that can go here is 9");
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->pos(), QPoint(4 * Cell + 33, 3 * Cell - 3));
    ExpectProgressOfTheBoard("a hint");

    // When the marker times out, the square shows red from the next repaint on.
    const QPoint inside = SquareCentre(4, 3) + QPoint(-15, -15);
    access.MarkerTimeout();
    EXPECT_FALSE(marker->isVisible());
    EXPECT_FALSE(access.MarkerTimerRunning());
    EXPECT_NE(PixelOf(inside), Red);
    QTest::mouseMove(Board, SquareCentre(1, 9));
    EXPECT_EQ(PixelOf(inside), Red);

    // Check with a wrong digit marks it; the next press on the board clears the mark.
    ClickHolding(Qt::Key_1, 4, 3);
    Button("BtnPost")->click();
    EXPECT_EQ(Help(), "The number 1 does not belong here");
    EXPECT_EQ(PixelOf(inside), Red);
    ClickSquare(1, 1, Qt::RightButton);
    EXPECT_NE(PixelOf(inside), Red);
    ClickHolding(Qt::Key_2, 1, 1);
    EXPECT_EQ(Help(), "The number 1 does not belong here") << "another square changed";
    ClickHolding(Qt::Key_2, 4, 3);
    EXPECT_EQ(Help(), "") << "the square it was about changed";
}

TEST_F(MainFormTest, TheHintsFrameAndMarkGoWithTheGame) {
    TMainFormTestAccess& access = OpenBoard();
    auto* marker = Control<TBlinkMarker>("BlinkLbl");
    access.Find("1");
    Button("BtnSave")->click();
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"New", [&] { Button("BtnNew")->click(); }},
        {"a level button", [&] { QTest::mousePress(Button("Btn2"), Qt::LeftButton); }},
        {"Find", [&] { access.Find("2"); }},
        {"Goto random", [&] { Action("Gotorandompuzzle1")->trigger(); }},
        {"Refresh", [&] { Button("BtnRefresh")->click(); }},
        {"Load", [&] { Button("BtnOpen")->click(); }},
    };
    for (const auto& [name, command] : rows) {
        access.Find("1");
        Button("BtnHelp")->click();
        ASSERT_TRUE(marker->isVisible()) << name;
        command();
        EXPECT_FALSE(marker->isVisible()) << name;
        EXPECT_EQ(access.Game().Mark().Col, -1) << name;
    }
}

TEST_F(MainFormTest, FinishCompletesTheBoardAndStopsTheClock) {
    TMainFormTestAccess& access = OpenBoard();
    QTest::mousePress(Button("Btn"), Qt::LeftButton);
    EXPECT_TRUE(Button("Btn")->isChecked() && access.Game().State().MaxHoles == 40);
    Button("BtnFinish")->click();
    EXPECT_TRUE(IsSolved(GameBoard()));
    EXPECT_EQ(Help(), "Puzzle Complete");
    EXPECT_FALSE(access.ClockRunning());
    ExpectProgressOfTheBoard("Finish");

    // A digit twice in a row: Finish cannot complete the board, says so and marks the digit.
    Button("BtnNew")->click();
    const auto [c, r] = First(false);
    int twice = 0;
    for (int other = 1; other <= 9 && twice == 0; ++other)
        twice = GameBoard()[other][r].Value;
    ClickHolding(Qt::Key(Qt::Key_0 + twice), c, r);
    Button("BtnFinish")->click();
    EXPECT_FALSE(IsSolved(GameBoard()));
    EXPECT_EQ(Help(), "There are one or more squares wrong...");
    EXPECT_EQ(PixelOf(SquareCentre(c, r) + QPoint(-15, -15)), Red);
    EXPECT_TRUE(access.ClockRunning()) << "the game goes on";
    ExpectProgressOfTheBoard("an unfinished Finish");
}

TEST_F(MainFormTest, ClockAndOptionsShowAtOnce) {
    TMainFormTestAccess& access = OpenBoard();
    auto* clock = Control<TLEDDisplay>("LEDDisplay1");
    for (int tick = 0; tick < 307; ++tick)
        access.ClockTick();
    EXPECT_EQ(clock->text(), " 05:07");
    Action("TimedGame1")->trigger();
    EXPECT_EQ(clock->text(), " * * * ");

    Action("HiliteRowandColumn1")->trigger();
    Action("HiliteCell1")->trigger();
    QTest::mouseMove(Board, SquareCentre(2, 2));
    EXPECT_EQ(PixelOf(SquareCentre(2, 7)), QColor(255, 255, 255));

    // A pause the window makes itself (printing) lasts until the game starts the clock again.
    Button("BtnNew")->click();
    ASSERT_TRUE(access.ClockRunning());
    access.PauseClock();
    const auto [c, r] = First(false);
    ClickHolding(Qt::Key_1, c, r);
    EXPECT_FALSE(access.ClockRunning());
    Button("BtnRefresh")->click();
    EXPECT_TRUE(access.ClockRunning());

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Control("Toolbar1"), &leave);
    EXPECT_EQ(access.ToolTipTime(), 3000);
}

TEST_F(MainFormTest, LoadEnablesWhatTheLoadedGameAllows) {
    // Givens that leave the top right square no digit: there is no solution to judge by.
    TSavedGame unsolvable;
    for (int c = 1; c <= 8; ++c)
        unsolvable.Board[c][1] = {c, true};
    unsolvable.Board[9][2] = {9, true};
    const struct {
        const char* Name;
        TSavedGame Saved;
        bool Judged;      // Post and Help enabled
        const char* Help; // empty: the help line is hidden
    } rows[] = {
        {"a game saved before any deal", TSavedGame{}, true, ""},
        {"givens without a solution", unsolvable, false, GameTexts::NotWorkedOut},
    };
    for (const auto& row : rows) {
        WriteSavedGame(FormatSavedGame(row.Saved));
        OpenBoard();
        Button("BtnOpen")->click();
        EXPECT_EQ(GameBoard(), row.Saved.Board) << row.Name;
        EXPECT_EQ(Button("BtnPost")->isEnabled(), row.Judged) << row.Name;
        EXPECT_EQ(Button("BtnHelp")->isEnabled(), row.Judged) << row.Name;
        EXPECT_TRUE(Button("BtnFinish")->isEnabled()) << row.Name;
        EXPECT_EQ(Help(), row.Help) << row.Name;
        ExpectProgressOfTheBoard(row.Name);
        Close();
    }
}

TEST_F(MainFormTest, AFailedSaveOrLoadIsReportedUntilOneSucceeds) {
    OpenBoard();
    WriteSavedGame("abc\r\n");
    Button("BtnOpen")->click();
    EXPECT_EQ(Help(), GameTexts::LoadFailed);
    Button("BtnSave")->click(); // writes a good file; the failed load still stands
    EXPECT_EQ(Help(), GameTexts::LoadFailed);
    Button("BtnOpen")->click();
    EXPECT_EQ(Help(), "");

    std::filesystem::remove(File("velmora-puzzle.sav"));
    std::filesystem::create_directory(File("velmora-puzzle.sav")); // cannot be written
    Button("BtnSave")->click();
    EXPECT_EQ(Help(), GameTexts::SaveFailed);
    std::filesystem::remove(File("velmora-puzzle.sav"));
    Button("BtnSave")->click();
    EXPECT_EQ(Help(), "");
}

TEST_F(MainFormTest, SettingsAreWrittenWhenTheWindowGoes) {
    TMainFormTestAccess& access = OpenBoard();
    QTest::mousePress(Button("Btn3"), Qt::LeftButton);
    const std::int32_t number = access.Game().State().PuzzleNumber;
    Action("TimedGame1")->trigger();
    Close();
    EXPECT_EQ(test::ReadWholeFile(File("velmora-puzzle.ini")),
              "[options]\r\nHiliteRowAndColumn=1\r\nHiliteCell=1\r\nHiliteErrors=0\r\nUserFont=1\r\n"
              "Timer=0\r\nDifficulty=4\r\nCurrent=" +
                  std::to_string(number) + "\r\n");
}

// Keyboard play: the cursor shows only once used, wraps, takes digits from both rows of keys, and
// a held digit that went into a clicked square never also goes into the cursor's.
TEST_F(MainFormTest, KeyboardMovesTheCursorAndEntersDigits) {
    TMainFormTestAccess& access = OpenBoard();
    access.Find("1");
    const QColor cursorBlue(0, 90, 220);
    const auto frameAt = [&](int c, int r) {
        return PixelOf(QPoint((c - 1) * Cell + 4, (r - 1) * Cell + 20));
    };
    EXPECT_NE(frameAt(1, 1), cursorBlue) << "no cursor before the keyboard is used";
    const auto [c, r] = First(false);
    // From (1, 1): left and up wrap to (9, 9), then right and down to the empty square.
    QTest::keyClick(Board, Qt::Key_Left);
    QTest::keyClick(Board, Qt::Key_Up);
    EXPECT_TRUE(access.Game().Cursor().Col == 9 && access.Game().Cursor().Row == 9);
    EXPECT_EQ(frameAt(9, 9), cursorBlue);
    for (int i = 0; i < c % 9; ++i)
        QTest::keyClick(Board, Qt::Key_Right);
    for (int i = 0; i < r % 9; ++i)
        QTest::keyClick(Board, Qt::Key_Down);
    ASSERT_TRUE(access.Game().Cursor().Col == c && access.Game().Cursor().Row == r);

    // Each key after an 8 to erase, and the digit it leaves.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {
        {Qt::Key_6, Qt::NoModifier, 6},     {Qt::Key_Delete, Qt::NoModifier, 0},
        {Qt::Key_3, Qt::KeypadModifier, 3}, {Qt::Key_Backspace, Qt::NoModifier, 0},
        {Qt::Key_X, Qt::NoModifier, 0},
    };
    for (const auto& [key, modifiers, digit] : keys) {
        QTest::keyClick(Board, Qt::Key_8);
        QTest::keyClick(Board, key, modifiers);
        EXPECT_EQ(GameBoard()[c][r].Value, digit) << key;
    }

    // Held while clicking the empty square below: only that square gets it.
    const int c2 = c, r2 = r + 1;
    ClickHolding(Qt::Key_4, c2, r2);
    EXPECT_EQ(GameBoard()[c2][r2].Value, 4);
    EXPECT_EQ(GameBoard()[c][r].Value, 0) << "and not the cursor's square";

    // Enter opens the picker on the cursor square, Esc closes it. (That a given takes no digit from
    // the keys is the game's.)
    QTest::keyClick(Board, Qt::Key_Return);
    EXPECT_TRUE(Picker->isVisible());
    EXPECT_EQ(Picker->pos(), Board->pos() + SquareCentre(c, r) - QPoint(50, 50));
    QTest::keyClick(Board, Qt::Key_Escape);
    EXPECT_FALSE(Picker->isVisible());

    // Undo and redo from the keyboard; a new deal keeps the cursor where it is.
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(GameBoard()[c2][r2].Value, 0);
    QTest::keyClick(Form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(GameBoard()[c2][r2].Value, 4);
    QTest::keyClick(Form.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(access.Game().Cursor().Col == c && access.Game().Cursor().Row == r);
}

// Every menu and every item can be reached by its underlined letter.
TEST_F(MainFormTest, EveryCommandHasAMenuItemWithAMnemonic) {
    OpenBoard();
    for (QAction* menu : Form->menuBar()->actions()) {
        EXPECT_TRUE(menu->text().contains('&')) << menu->text().toStdString();
        for (QAction* item : menu->menu()->actions())
            EXPECT_TRUE(item->isSeparator() || item->text().contains('&')) << item->text().toStdString();
    }
    Action("Level3")->trigger();
    EXPECT_TRUE(Button("Btn2")->isChecked());
    EXPECT_TRUE(Button("BtnPost")->isEnabled() && Action("Post1")->isEnabled());
}

// Pause covers the board with "Paused" and stops the clock; a click on the clock resumes.
TEST_F(MainFormTest, PauseCoversTheBoardUntilResumed) {
    TMainFormTestAccess& access = OpenBoard();
    access.Find("1");
    const auto [c, r] = First(false);
    const QImage playing = access.BoardBitmap().copy();
    QTest::keyClick(Form.get(), Qt::Key_P);
    EXPECT_TRUE(access.Game().Paused());
    EXPECT_FALSE(access.ClockRunning());
    TBoardView paused;
    paused.Paused = true;
    EXPECT_EQ(access.BoardBitmap(), DrawBoardImage(GameBoard(), paused));
    ClickHolding(Qt::Key_5, c, r);
    EXPECT_EQ(GameBoard()[c][r].Value, 0) << "a hidden board takes no digits";
    QTest::mouseClick(Control("LEDDisplay1"), Qt::LeftButton);
    EXPECT_FALSE(access.Game().Paused());
    EXPECT_TRUE(access.ClockRunning());
    EXPECT_EQ(access.BoardBitmap(), playing);
    Form->showMinimized();
    EXPECT_TRUE(access.Game().Paused()) << "minimising pauses";
}

// The board grows with the window and stays square and sharp: its picture has a pixel per device
// pixel and is what the painter draws at that size.
TEST_F(MainFormTest, TheBoardGrowsWithTheWindowAndStaysSharp) {
    TMainFormTestAccess& access = OpenBoard();
    access.Find("1");
    Action("HiliteRowandColumn1")->trigger();
    Action("HiliteCell1")->trigger();
    const qreal scale = Form->devicePixelRatioF();
    const auto expectSharp = [&](const char* when) {
        const int side = qRound(Board->width() * scale);
        const QImage shown = Board->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), QSize(side, side)) << when;
        EXPECT_EQ(shown, DrawBoardImage(GameBoard(), {}, side)) << when;
    };
    expectSharp("normal size");
    Form->resize(Form->width() + 500, Form->height() + 300);
    QTest::qWait(20);
    EXPECT_EQ(Board->width(), Board->height());
    EXPECT_EQ(Board->width(), BoardPixels + 300);
    EXPECT_EQ(Board->x() - 79, (Form->centralWidget()->width() - 1 - 155 - Board->width()) / 2) << "centred";
    expectSharp("larger");
    // The printed picture stays at the normal size.
    EXPECT_EQ(access.PrintSteps().BoardPicture().Width(), BoardPixels);
}

// A game the player completes counts for the best times: the file beside the settings keeps it,
// a message tells of the new record and the help line keeps its congratulations.
TEST_F(MainFormTest, ACompletedGameIsRecordedInTheBestTimes) {
    TMainFormTestAccess& access = OpenBoard();
    access.Find("1");
    for (int tick = 0; tick < 65; ++tick)
        access.ClockTick();
    for (auto [c, r] = First(false); c != 0; std::tie(c, r) = First(false))
        ClickHolding(static_cast<Qt::Key>(Qt::Key_0 + access.Game().State().Solution[c][r].Value), c, r);
    EXPECT_EQ(Help(), "Puzzle Complete - Congratulations!");
    auto* message = Control<QMessageBox>("BestTimesMessage");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "New best time for Medium: 01:05");
    message->close();
    const TBestTimesLoad times = LoadBestTimesFile(File("velmora-puzzle.times"));
    EXPECT_FALSE(times.Damaged);
    EXPECT_EQ(times.Times.Levels[1], (TLevelRecord{65, 1, 65}));

    const TBestTimesForm list(times.Times);
    const char* expected[2][4] = {{"Easy", "-", "0", "-"}, {"Medium", "01:05", "1", "01:05"}};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(list.CellText(1, column), expected[0][column]) << column;
        EXPECT_EQ(list.CellText(2, column), expected[1][column]) << column;
    }
}

// Save keeps the notes beside the saved game, which stays byte for byte as before; Load brings
// them back only with their own game.
TEST_F(MainFormTest, SaveAndLoadKeepTheNotesInTheirOwnFile) {
    TMainFormTestAccess& access = OpenBoard();
    access.Find("1");
    Action("FillNotes1")->trigger();
    const TNotes notes = access.Game().Notes();
    ASSERT_FALSE(notes.Empty());
    Action("Save1")->trigger();
    EXPECT_EQ(test::ReadWholeFile(File("velmora-puzzle.sav")), FormatSavedGame(access.Game().SavedGame()));

    access.Find("2");
    EXPECT_TRUE(access.Game().Notes().Empty());
    Action("Load1")->trigger();
    EXPECT_EQ(access.Game().Notes(), notes);
}

} // namespace
