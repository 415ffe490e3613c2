// The window tests' one way past the window's privacy: what no control shows (the game, the board
// picture, the timers) and what a test cannot wait for (the timers' ticks, a confirmed Find box).
// Everything else goes through the controls, found by name.
#pragma once

#include "TestFiles.h"
#include "app/MainForm.h"
#include "platform/ProgramPaths.h"

#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class TMainFormTestAccess {
  public:
    explicit TMainFormTestAccess(TMainForm& form) : Form(form) {}

    const TGame& Game() const { return Form.Game; }
    const QImage& BoardBitmap() const { return Form.BoardBitmap; }
    bool ClockRunning() const { return Form.Timer1.isActive(); }
    bool MarkerTimerRunning() const { return Form.TimeoutTimer.isActive(); }
    int ToolTipTime() const { return Form.FToolTipTime; }
    TPrintSteps& PrintSteps() { return Form; }

    void NoFinishPause() { Form.FinishPause = 0; }
    void ClockTick() { Form.Timer1Timer(); }
    void MarkerTimeout() { Form.TimeoutTimerTimer(); }
    void PauseClock() { Form.Timer1.stop(); } // as printing does
    void Find(const QString& text) { Form.FindPuzzle(text); }

  private:
    TMainForm& Form;
};

// Each test opens its own window, with the settings and the saved game in a folder of its own.
class TWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::ProgramPaths::SetExecutablePathOverride((Folder / "velmora-puzzle").string());
    }
    void TearDown() override {
        Close();
        platform::ProgramPaths::SetExecutablePathOverride({});
    }

    TMainFormTestAccess& Open() {
        Form = std::make_unique<TMainForm>();
        Access = std::make_unique<TMainFormTestAccess>(*Form);
        Access->NoFinishPause();
        Form->show();
        Form->activateWindow();
        (void)QTest::qWaitForWindowExposed(Form.get());
        return *Access;
    }
    void Close() {
        Access.reset();
        Form.reset();
    }

    // A control of the window by its name.
    template <class T = QWidget> T* Control(const char* name) {
        return Form->findChild<T*>(QString::fromLatin1(name));
    }

    test::TempFolder Temp;
    const std::filesystem::path Folder{Temp.Path()};
    std::unique_ptr<TMainForm> Form;
    std::unique_ptr<TMainFormTestAccess> Access;
};
