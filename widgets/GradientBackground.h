#pragma once

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QWidget>

enum TGradientDirection { gdHorizontal, gdVertical, gdRisingDiagonal, gdFallingDiagonal };

// The line along which the colour runs from the start to the end colour inside a rectangle.
// The rising diagonal runs from the bottom-left corner up to the top-right corner.
QLineF GradientLine(const QRectF& area, TGradientDirection direction);

// A widget that fills itself with a two-colour linear gradient; other controls sit on top of it.
class TGradientBackground : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor StartColor READ StartColor WRITE SetStartColor)
    Q_PROPERTY(QColor EndColor READ EndColor WRITE SetEndColor)

  public:
    explicit TGradientBackground(QWidget* parent = nullptr);

    QColor StartColor() const { return FStartColor; }
    void SetStartColor(const QColor& colour);
    QColor EndColor() const { return FEndColor; }
    void SetEndColor(const QColor& colour);
    TGradientDirection Direction() const { return FDirection; }
    void SetDirection(TGradientDirection direction);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor FStartColor{206, 231, 255};
    QColor FEndColor{255, 255, 255};
    TGradientDirection FDirection = gdRisingDiagonal;
};
