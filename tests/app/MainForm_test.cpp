// The window itself, on the offscreen platform, driven through its controls: start-up, digit
// entry through the picker and by a held key, the board's edges, commands, saved games and the
// settings written at the end.
#include "MainFormTestAccess.h"
#include "app/BestTimesForm.h"
#include "app/DigitRowKey.h"
#include "game/GameTexts.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

namespace {

const QColor Red(255, 0, 0);

// Start-up: the saved level, one down, and no deal yet; what saves killed halfway left behind
// goes; the menus; the pointer rests on New.
TEST_F(MainFormTest, StartsWithAnEmptyBoardAndTheSavedLevelDown) {
    test::WriteWholeFile(File("velmora-puzzle.ini"), "[options]\r\nDifficulty=3\r\nCurrent=42\r\n");
    // Anything else beside the settings stays.
    const char* leftovers[] = {"ini", "sav", "notes", "times", "txt"};
    const auto leftover = [&](std::string kind) { return File("velmora-puzzle." + kind + ".tmp-a1B2c3"); };
    for (const char* kind : leftovers) {
        test::WriteWholeFile(leftover(kind), "half");
        std::filesystem::last_write_time(leftover(kind), std::filesystem::file_time_type::clock::now() -
                                                             std::chrono::hours(1));
    }
    Open();
    for (const char* kind : leftovers)
        EXPECT_EQ(std::filesystem::exists(leftover(kind)), std::string(kind) == "txt") << kind;
    EXPECT_TRUE(Button("Btn2")->isChecked() && Game().State().MinHoles == 48);
    EXPECT_TRUE(!ClockRunning() && MarkerTimerRunning());
    EXPECT_EQ(Game().RandomSeed(), 1u);
    EXPECT_TRUE(Action("HiliteRowandColumn1")->isChecked() && Action("TimedGame1")->isChecked());
    // Every menu and every item can be reached by its underlined letter.
    for (QAction* menu : Form->menuBar()->actions()) {
        EXPECT_TRUE(menu->text().contains('&')) << menu->text().toStdString();
        for (QAction* item : menu->menu()->actions())
            EXPECT_TRUE(item->isSeparator() || item->text().contains('&')) << item->text().toStdString();
    }
    EXPECT_FALSE(Action("Post1")->isEnabled());
    Action("Level4")->trigger();
    EXPECT_TRUE(Button("Btn3")->isChecked() && Button("BtnPost")->isEnabled() &&
                Action("Post1")->isEnabled());

    // Also when a window manager places the window after showing it.
    QToolButton* nw = Button("BtnNew");
    const auto pointerOnNew = [&] { return nw->mapToGlobal(QPoint(nw->width() / 2, nw->height() / 2)); };
    EXPECT_EQ(QCursor::pos(), pointerOnNew());
    Form->move(Form->pos() + QPoint(1, 20));
    QCoreApplication::processEvents();
    EXPECT_EQ(QCursor::pos(), pointerOnNew());
}

// The window below its menu bar as it first shows, pixel for pixel; a changed picture is written
// beside the golden one for a look.
TEST_F(MainFormTest, StartupPictureIsUnchanged) {
    Open();
    QTest::mouseMove(Form->centralWidget(), QPoint(300, 540));
    QTest::mouseMove(Button("BtnNew")); // where start-up leaves the pointer
    QTest::qWait(50);
    const QImage shown = Form->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown != QImage(APP_TEST_DATA "/startup.png").convertToFormat(QImage::Format_RGB32)) {
        shown.save(APP_TEST_DATA "/startup.actual.png");
        ADD_FAILURE() << "the start-up window differs from startup.png: see startup.actual.png beside it";
    }
}

// A press on an empty square opens the picker there and a choice fills the square; a digit key
// held while clicking goes straight in. Puzzle 1 has a given in (1, 1) and (1, 2) empty.
TEST_F(MainFormTest, ThePickerOrAHeldDigitFillsTheClickedSquare) {
    Open("1");
    ClickSquare(1, 2);
    ASSERT_TRUE(Picker->isVisible());
    EXPECT_EQ(Picker->pos(), Board->pos() + SquareCentre(1, 2) - QPoint(50, 50));
    EXPECT_TRUE(Board->toolTip().isEmpty()) << "the board's tool-tip goes at the first press";
    ClickSquare(1, 1);
    EXPECT_TRUE(Picker->isVisible()) << "a press on a given leaves the picker open";
    ClickSquare(1, 2);
    EXPECT_FALSE(Picker->isVisible()) << "a second press on the board closes it";
    ClickSquare(1, 2);
    ClickPicker(TNumberPicker::TPart(TNumberPicker::ptDigit1 + 6));
    EXPECT_FALSE(Picker->isVisible());
    EXPECT_EQ(GameBoard()[1][2], (TCell{7, false}));

    // Reopened on the filled square, the centre shows its digit, and pressing it erases.
    ClickSquare(1, 2);
    EXPECT_EQ(Picker->CentreText(), "7");
    ClickPicker(TNumberPicker::ptCentre);
    EXPECT_EQ(GameBoard()[1][2].Value, 0);

    // A held digit shows beside the pointer until its key is let go.
    auto* held = Control<QLabel>("Label1");
    QTest::keyPress(Board, Qt::Key_7);
    EXPECT_TRUE(held->isVisible() && held->text() == "7");
    ClickSquare(1, 2);
    QTest::keyRelease(Board, Qt::Key_7);
    EXPECT_FALSE(held->isVisible());
    EXPECT_EQ(GameBoard()[1][2].Value, 7);

    // A double click on the filled square: its second press lands on the picker just opened, and
    // is no choice; a later press chooses.
    QTest::mousePress(Board, Qt::LeftButton, {}, SquareCentre(1, 2));
    const QPoint centre = Picker->mapFromParent(Board->mapToParent(SquareCentre(1, 2)));
    QTest::mousePress(Picker, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(Picker, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(Picker, Qt::LeftButton, {}, centre);
    EXPECT_EQ(GameBoard()[1][2].Value, 7);
    EXPECT_TRUE(Picker->isVisible());
    ClickPicker(TNumberPicker::ptCentre);
    EXPECT_EQ(GameBoard()[1][2].Value, 0);

    // The keypad is not held (it types into the keyboard's square), and another key lets go of
    // the digit: the click opens the picker instead.
    QTest::keyPress(Board, Qt::Key_7, Qt::KeypadModifier);
    EXPECT_FALSE(held->isVisible());
    QTest::keyPress(Board, Qt::Key_4);
    QTest::keyPress(Board, Qt::Key_A);
    ClickSquare(1, 2);
    EXPECT_TRUE(Picker->isVisible() && Picker->CentreText().isEmpty());

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

// Hint fills a square and blinks a marker on it, Check marks a wrong digit red; a press on the
// board takes the mark away, and so does each command that changes the game.
TEST_F(MainFormTest, HintAndCheckMarkTheSquareTheyAreAbout) {
    Open("1");
    QWidget* marker = Control("BlinkLbl");
    Button("BtnHelp")->click();
    EXPECT_TRUE(marker->isVisible());
    EXPECT_EQ(marker->pos(), QPoint(4 * Cell + 33, 3 * Cell - 3));
    ExpectProgressOfTheBoard("a hint");

    // When the marker times out, the square shows red from the next repaint on.
    const QPoint inside = SquareCentre(4, 3) + QPoint(-15, -15);
    MarkerTimeout();
    EXPECT_TRUE(!marker->isVisible() && !MarkerTimerRunning());
    EXPECT_NE(PixelOf(inside), Red);
    QTest::mouseMove(Board, SquareCentre(1, 9));
    EXPECT_EQ(PixelOf(inside), Red);

    // Check with a wrong digit marks it; the next press on the board clears the mark.
    ClickHolding(1, 4, 3);
    Button("BtnPost")->click();
    EXPECT_EQ(PixelOf(inside), Red);
    ClickSquare(1, 1, Qt::RightButton);
    EXPECT_NE(PixelOf(inside), Red);

    // Each command that deals, restarts or loads takes the hint's marker away.
    Button("BtnSave")->click();
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"New", [&] { Button("BtnNew")->click(); }},
        {"a level button", [&] { QTest::mousePress(Button("Btn2"), Qt::LeftButton); }},
        {"Goto random", [&] { Action("Gotorandompuzzle1")->trigger(); }},
        {"Refresh", [&] { Button("BtnRefresh")->click(); }},
        {"Load", [&] { Button("BtnOpen")->click(); }},
    };
    for (const auto& [name, command] : rows) {
        Find("1");
        Button("BtnHelp")->click();
        ASSERT_TRUE(marker->isVisible()) << name;
        command();
        EXPECT_FALSE(marker->isVisible()) << name;
    }
}

// Finish completes the board for the player and stops the clock, but not with a wrong digit on
// it. A game the player completes counts for the best times: the file beside the settings keeps
// it, a message tells of the new record and the help line keeps its congratulations.
TEST_F(MainFormTest, FinishOrThePlayersLastDigitCompletesTheGame) {
    Open();
    QTest::mousePress(Button("Btn"), Qt::LeftButton);
    EXPECT_TRUE(Button("Btn")->isChecked() && Game().State().MaxHoles == 40);
    Button("BtnFinish")->click();
    EXPECT_TRUE(IsSolved(GameBoard()));
    EXPECT_FALSE(ClockRunning());
    ExpectProgressOfTheBoard("Finish");

    // A 1 below the given 1 in (1, 1): Finish cannot complete the board, says so and marks the digit.
    Find("1");
    ClickHolding(1, 1, 2);
    Button("BtnFinish")->click();
    EXPECT_FALSE(IsSolved(GameBoard()));
    EXPECT_EQ(Help(), "There are one or more squares wrong...");
    EXPECT_EQ(PixelOf(SquareCentre(1, 2) + QPoint(-15, -15)), Red);
    EXPECT_TRUE(ClockRunning()) << "the game goes on";
    ExpectProgressOfTheBoard("an unfinished Finish");

    // Completed by hand, in 65 seconds at Easy.
    Find("1");
    for (int tick = 0; tick < 65; ++tick)
        ClockTick();
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (GameBoard()[c][r].Value == 0) ClickHolding(Game().State().Solution[c][r].Value, c, r);
    EXPECT_EQ(Help(), "Puzzle Complete - Congratulations!");
    auto* message = Control<QMessageBox>("BestTimesMessage");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "New best time for Easy: 01:05");
    message->close();
    const TBestTimesLoad times = LoadBestTimesFile(File("velmora-puzzle.times"));
    EXPECT_EQ(times.Times.Levels[0], (TLevelRecord{65, 1, 65}));
    const TBestTimesForm list(times.Times);
    QStringList rows;
    for (int row = 1; row <= 2; ++row)
        for (int column = 0; column < 4; ++column)
            rows << list.CellText(row, column);
    EXPECT_EQ(rows.join(' '), "Easy 01:05 1 01:05 Medium - 0 -");
}

// The clock shows each second, or stars in an untimed game. Pause covers the board and stops the
// clock until a click on the clock. The options go into the settings written when the window goes.
TEST_F(MainFormTest, TheClockPauseAndTheSettings) {
    Open();
    auto* clock = Control<TLEDDisplay>("LEDDisplay1");
    for (int tick = 0; tick < 307; ++tick)
        ClockTick();
    EXPECT_EQ(clock->text(), " 05:07");
    Action("TimedGame1")->trigger();
    EXPECT_EQ(clock->text(), " * * * ");

    // A pause the window makes itself (printing) lasts until the game starts the clock again.
    Find("1");
    PauseClock();
    ClickHolding(1, 1, 2);
    EXPECT_FALSE(ClockRunning());
    Button("BtnRefresh")->click();
    EXPECT_TRUE(ClockRunning());

    const QImage playing = BoardBitmap().copy();
    QTest::keyClick(Form.get(), Qt::Key_P);
    EXPECT_FALSE(ClockRunning());
    TBoardView paused;
    paused.Paused = true;
    EXPECT_EQ(BoardBitmap(), DrawBoardImage(GameBoard(), paused));
    ClickSquare(1, 2);
    EXPECT_FALSE(Picker->isVisible()) << "a hidden board opens no picker";
    QTest::mouseClick(clock, Qt::LeftButton);
    EXPECT_TRUE(ClockRunning());
    EXPECT_EQ(BoardBitmap(), playing);
    Form->showMinimized();
    EXPECT_TRUE(Game().Paused()) << "minimising pauses";

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Control("Toolbar1"), &leave);
    EXPECT_EQ(ToolTipTime(), 3000);

    Action("HiliteCell1")->trigger();
    Form.reset();
    EXPECT_EQ(test::ReadWholeFile(File("velmora-puzzle.ini")),
              "[options]\r\nHiliteRowAndColumn=1\r\nHiliteCell=0\r\nHiliteErrors=0\r\nUserFont=1\r\n"
              "Timer=0\r\nDifficulty=2\r\nCurrent=1\r\n");
}

// Save keeps the notes beside the saved game, which stays byte for byte as before, and Load brings
// them back. A failed save or load is reported on the help line until one succeeds. Load enables
// what the loaded game allows.
TEST_F(MainFormTest, SaveAndLoad) {
    Open("1");
    const std::string saved = File("velmora-puzzle.sav");
    Action("FillNotes1")->trigger();
    const TNotes notes = Game().Notes();
    ASSERT_FALSE(notes.Empty());
    Action("Save1")->trigger();
    EXPECT_EQ(test::ReadWholeFile(saved), FormatSavedGame(Game().SavedGame()));
    Find("2");
    Action("Load1")->trigger();
    EXPECT_EQ(Game().Notes(), notes);

    test::WriteWholeFile(saved, "abc\r\n");
    Button("BtnOpen")->click();
    EXPECT_EQ(Help(), GameTexts::LoadFailed);
    Button("BtnSave")->click(); // writes a good file; the failed load still stands
    EXPECT_EQ(Help(), GameTexts::LoadFailed);
    Button("BtnOpen")->click();
    EXPECT_EQ(Help(), "");
    std::filesystem::remove(saved);
    std::filesystem::create_directory(saved); // cannot be written
    Button("BtnSave")->click();
    EXPECT_EQ(Help(), GameTexts::SaveFailed);
    std::filesystem::remove(saved);
    Button("BtnSave")->click();
    EXPECT_EQ(Help(), "");

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
        test::WriteWholeFile(saved, FormatSavedGame(row.Saved));
        Button("BtnOpen")->click();
        EXPECT_EQ(GameBoard(), row.Saved.Board) << row.Name;
        EXPECT_EQ(Button("BtnPost")->isEnabled(), row.Judged) << row.Name;
        EXPECT_EQ(Button("BtnHelp")->isEnabled(), row.Judged) << row.Name;
        EXPECT_TRUE(Button("BtnFinish")->isEnabled()) << row.Name;
        EXPECT_EQ(Help(), row.Help) << row.Name;
        ExpectProgressOfTheBoard(row.Name);
    }
}

// Closing during a game asks whether to save it: Cancel keeps the window, No closes without a
// file, Yes saves and closes, and a save that fails keeps the window open. No game, no question.
TEST_F(MainFormTest, ClosingDuringAGameAsksToSaveIt) {
    const struct {
        const char* Name;
        const char* Find; // null: nothing dealt
        QMessageBox::StandardButton Answer;
        bool Unwritable, Closed, Saved;
    } rows[] = {
        {"nothing dealt", nullptr, QMessageBox::NoButton, false, true, false},
        {"cancel", "1", QMessageBox::Cancel, false, false, false},
        {"no", "1", QMessageBox::No, false, true, false},
        {"yes", "1", QMessageBox::Yes, false, true, true},
        {"yes, but the save fails", "1", QMessageBox::Yes, true, false, false},
    };
    const std::string saved = File("velmora-puzzle.sav");
    for (const auto& row : rows) {
        std::filesystem::remove_all(saved);
        if (row.Unwritable) std::filesystem::create_directory(saved);
        Open(row.Find);
        QString asked;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(row.Answer)->click();
            }
        });
        EXPECT_EQ(Form->close(), row.Closed) << row.Name;
        EXPECT_EQ(asked.isEmpty(), row.Find == nullptr) << row.Name;
        EXPECT_EQ(std::filesystem::is_regular_file(saved), row.Saved) << row.Name;
        if (row.Saved) {
            EXPECT_EQ(test::ReadWholeFile(saved), FormatSavedGame(Game().SavedGame()));
        }
    }
}

// Keyboard play: the cursor shows only once used, wraps, takes digits from both rows of keys, and
// a held digit that went into a clicked square never also goes into the cursor's.
TEST_F(MainFormTest, KeyboardMovesTheCursorAndEntersDigits) {
    Open("1");
    const QColor cursorBlue(0, 90, 220);
    const auto frameAt = [&](int c, int r) { return PixelOf({(c - 1) * Cell + 4, (r - 1) * Cell + 20}); };
    EXPECT_NE(frameAt(1, 1), cursorBlue) << "no cursor before the keyboard is used";
    // From (1, 1): left and up wrap to (9, 9), then right and down twice to the empty (1, 2).
    QTest::keyClick(Board, Qt::Key_Left);
    QTest::keyClick(Board, Qt::Key_Up);
    EXPECT_EQ(frameAt(9, 9), cursorBlue);
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(Board, key);

    // Each key after an 8 to erase, and the digit it leaves.
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int> keys[] = {
        {Qt::Key_6, Qt::NoModifier, 6},     {Qt::Key_Delete, Qt::NoModifier, 0},
        {Qt::Key_3, Qt::KeypadModifier, 3}, {Qt::Key_Backspace, Qt::NoModifier, 0},
        {Qt::Key_X, Qt::NoModifier, 0},
    };
    for (const auto& [key, modifiers, digit] : keys) {
        QTest::keyClick(Board, Qt::Key_8);
        QTest::keyClick(Board, key, modifiers);
        EXPECT_EQ(GameBoard()[1][2].Value, digit) << key;
    }

    // Held while clicking the empty square below: only that square gets it.
    ClickHolding(4, 1, 3);
    EXPECT_EQ(GameBoard()[1][3].Value, 4);
    EXPECT_EQ(GameBoard()[1][2].Value, 0) << "and not the cursor's square";

    // Enter opens the picker on the cursor square, Esc closes it.
    QTest::keyClick(Board, Qt::Key_Return);
    EXPECT_TRUE(Picker->isVisible());
    EXPECT_EQ(Picker->pos(), Board->pos() + SquareCentre(1, 2) - QPoint(50, 50));
    QTest::keyClick(Board, Qt::Key_Escape);
    EXPECT_FALSE(Picker->isVisible());

    // Undo, redo and New from the keyboard.
    QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(GameBoard()[1][3].Value, 0);
    QTest::keyClick(Form.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(GameBoard()[1][3].Value, 4);
    QTest::keyClick(Form.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_NE(Game().State().PuzzleNumber, 1);
}

// The board grows with the window and stays square and sharp: its picture has a pixel per device
// pixel and is what the painter draws at that size.
TEST_F(MainFormTest, TheBoardGrowsWithTheWindowAndStaysSharp) {
    Open("1");
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
    EXPECT_EQ(Board->size(), QSize(BoardPixels + 300, BoardPixels + 300));
    EXPECT_EQ(Board->x() - 79, (Form->centralWidget()->width() - 1 - 155 - Board->width()) / 2) << "centred";
    expectSharp("larger");
    // The printed picture stays at the normal size.
    EXPECT_EQ(PrintSteps().BoardPicture().Width(), BoardPixels);
}

} // namespace
