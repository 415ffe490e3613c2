// The window tests' one way past the window's privacy: what it holds that no control shows (the
// game, the board picture, its timers) and the events a test cannot wait for or answer (the
// timers' ticks, the confirmed Find box). Everything else the tests do through the controls,
// which they find by name as Qt's own tools would.
#pragma once

#include "app/MainForm.h"

#include <QString>

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

// A control of the window by its name.
template <class T> T* Control(TMainForm& form, const char* name) {
    return form.findChild<T*>(QString::fromLatin1(name));
}
