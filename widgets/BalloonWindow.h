#pragma once

#include <QFont>
#include <QPainterPath>
#include <QWidget>

// The balloon a tool-tip shows in: a rounded box with a tail pointing at the spot it explains.
class TBalloonWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TBalloonWindow(QWidget* parent = nullptr);

    QString Text() const { return FText; }
    // Sets the text and resizes the balloon around it.
    void SetText(const QString& text);

    // Shows the balloon with its tail tip at the given screen point, kept inside that screen.
    void ShowAt(const QPoint& tip);

    static constexpr int TailHeight = 10;
    static constexpr int Padding = 6;

    // The outline of the balloon for a given size, the tail on the top edge near the left.
    static QPainterPath Outline(const QSize& size, bool tailAtTop);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString FText;
    bool FTailAtTop = true;
};
