#pragma once

#include <QObject>
#include <QPointer>

class QTimer;
class TBalloonWindow;

// Shows every widget's tool-tip as a balloon instead of the plain tool-tip box. Create one, owned by the
// application, after the QApplication:
//     auto* hints = new TBalloonHints(qApp);
//     hints->SetHidePause(10000); // how long a balloon stays on screen, for the whole application
class TBalloonHints : public QObject {
    Q_OBJECT

  public:
    explicit TBalloonHints(QObject* parent = nullptr);
    ~TBalloonHints() override;

    // How long a balloon stays: a widget's own toolTipDuration() when it has one, else HidePause.
    int HidePause() const { return FHidePause; }
    void SetHidePause(int ms);

    // Shows text in a balloon pointing at the given screen point; an empty text hides the balloon.
    void ShowHint(const QString& text, const QPoint& tip, QWidget* owner = nullptr);
    void HideHint();

    // The balloon on screen now, if any (for tests and for moving it along).
    TBalloonWindow* Balloon() const { return FBalloon; }
    bool IsShowing() const;
    QWidget* Owner() const { return FOwner; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TBalloonWindow* FBalloon = nullptr;
    QPointer<QWidget> FOwner;
    QTimer* FHideTimer;
    int FHidePause = 10000;
};
