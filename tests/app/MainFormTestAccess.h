// The window tests' fixture, and their one way past the window's privacy: what no control shows
// (the game, the board picture, the timers) and what a test cannot wait for (the timers' ticks, a
// confirmed Find box). Everything else goes through the controls, found by name. Each test opens
// its own window, with the settings and the saved game in a folder of its own.
#pragma once

#include "TestFiles.h"
#include "app/MainForm.h"
#include "app/NumberPicker.h"
#include "engine/MessageTexts.h"
#include "engine/Progress.h"
#include "platform/ProgramPaths.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

class TMainFormTestAccess : public ::testing::Test {
  protected:
    static constexpr int Cell = BoardPixels / 9;

    void SetUp() override { platform::ProgramPaths::SetExecutablePathOverride(File("velmora-puzzle")); }
    void TearDown() override {
        Form.reset();
        platform::ProgramPaths::SetExecutablePathOverride({});
    }

    // Opens the window; given a number, deals that puzzle as the confirmed Find box does.
    void Open(const char* find = nullptr) {
        Form = std::make_unique<TMainForm>();
        Form->FinishPause = 0;
        Form->show();
        Form->activateWindow();
        (void)QTest::qWaitForWindowExposed(Form.get());
        Board = Control("pb");
        Picker = Control<TNumberPicker>("PickerPanel");
        if (find) Find(find);
    }

    const TGame& Game() const { return Form->Game; }
    const TBoard& GameBoard() const { return Form->Game.Board(); }
    const QImage& BoardBitmap() const { return Form->BoardBitmap; }
    bool ClockRunning() const { return Form->Timer1.isActive(); }
    bool MarkerTimerRunning() const { return Form->TimeoutTimer.isActive(); }
    int ToolTipTime() const { return Form->FToolTipTime; }
    TPrintSteps& PrintSteps() { return *Form; }
    void ClockTick() { Form->Timer1Timer(); }
    void MarkerTimeout() { Form->TimeoutTimerTimer(); }
    void PauseClock() { Form->Timer1.stop(); } // as printing does
    void Find(const QString& text) { Form->FindPuzzle(text); }

    // A control of the window by its name.
    template <class T = QWidget> T* Control(const char* name) { return Form->findChild<T*>(name); }
    QToolButton* Button(const char* name) { return Control<QToolButton>(name); }
    QAction* Action(const char* name) { return Control<QAction>(name); }
    // The help line's text; empty while it is hidden.
    std::string Help() {
        const auto* help = Control<QLabel>("HelpLbl");
        return help->isVisible() ? help->text().toStdString() : "";
    }
    // The status bar's progress, as counted on the board.
    void ExpectProgressOfTheBoard(const char* after) {
        const ProgressCounts n = CountProgress(GameBoard());
        const std::string shown = Control<QLabel>("StatusPane1")->text().toStdString();
        EXPECT_EQ(shown, ProgressText(n.Entries, n.ToGo).View()) << after;
        EXPECT_EQ(Control<QProgressBar>("ProgressBar1")->value(), n.Percentage) << after;
    }

    static QPoint SquareCentre(int c, int r) { return QPoint(c - 1, r - 1) * Cell + QPoint(Cell, Cell) / 2; }
    QColor PixelOf(QPoint at) { return QColor(BoardBitmap().pixel(at)); }
    void ClickSquare(int c, int r, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(Board, button, {}, SquareCentre(c, r));
    }
    void ClickHolding(int digit, int c, int r) {
        QTest::keyPress(Board, Qt::Key(Qt::Key_0 + digit));
        ClickSquare(c, r);
        QTest::keyRelease(Board, Qt::Key(Qt::Key_0 + digit));
    }
    void ClickPicker(TNumberPicker::TPart part) {
        QTest::mouseClick(Picker, Qt::LeftButton, {}, TNumberPicker::PartRect(part).center());
    }
    std::string File(const std::string& name) { return Temp.File(name); }

    test::TempFolder Temp;
    std::unique_ptr<TMainForm> Form;
    QWidget* Board = nullptr;
    TNumberPicker* Picker = nullptr;
};
using MainFormTest = TMainFormTestAccess;
