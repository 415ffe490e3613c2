// The blinking hollow square that frames a hinted square: purple for 100 ms, then light yellow for
// 900 ms, over and over while it is shown.
#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

class TBlinkMarker : public QWidget {
    Q_OBJECT

  public:
    static constexpr int OnTimeMs = 100;
    static constexpr int OffTimeMs = 900;

    explicit TBlinkMarker(QWidget* parent = nullptr);

    QColor ShownColour() const;
    // The board's squares are Scale times their normal 44 pixels.
    void SetScale(double scale);

  signals:
    void Pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Toggle();

    QTimer Blink;
    bool On = true;
    double Scale = 1.0;
};
