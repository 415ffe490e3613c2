#pragma once

#include <QColor>
#include <QProgressBar>

// A progress bar in colours of the game's choosing, the same in every style: the bar over a background,
// the percentage centred, drawn in the text colour over the background and in the background colour
// over the bar so it can always be read.
class TColourProgressBar : public QProgressBar {
    Q_OBJECT

  public:
    explicit TColourProgressBar(QWidget* parent = nullptr);

    QColor BackColor() const { return FBackColor; }
    void SetBackColor(const QColor& colour);
    QColor BarColor() const { return FBarColor; }
    void SetBarColor(const QColor& colour);
    QColor TextColor() const { return FTextColor; }
    void SetTextColor(const QColor& colour);

    // Width of the bar inside the given inner width, for the current value.
    int BarWidth(int innerWidth) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor FBackColor{128, 0, 128};
    QColor FBarColor{255, 255, 128};
    QColor FTextColor{255, 255, 128};
};
