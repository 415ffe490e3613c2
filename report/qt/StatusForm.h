// The status window shown while a report is recorded: the status line and a Cancel button that
// aborts the recording.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

class TStatusForm : public QDialog {
    Q_OBJECT
  public:
    explicit TStatusForm(const QString& Title, QWidget* Parent = nullptr);

    // Shows a status line; lets the window handle input so Cancel can be pressed meanwhile.
    void ShowStatus(const QString& Line);
    // Called when Cancel is pressed while recording.
    std::function<void()> OnCancel;
    // Turns the button into "Ok" and waits until it is pressed.
    void WaitForOK();

    QLabel* StatusLabel;
    QPushButton* CancelButton;

  private:
    bool Waiting_ = false;
};
