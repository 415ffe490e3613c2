#include "widgets/GradientBackground.h"

#include <QLinearGradient>
#include <QPainter>

QLineF GradientLine(const QRectF& area, TGradientDirection direction) {
    switch (direction) {
    case gdHorizontal:
        return {area.left(), area.center().y(), area.right(), area.center().y()};
    case gdVertical:
        return {area.center().x(), area.top(), area.center().x(), area.bottom()};
    case gdRisingDiagonal:
        return {area.bottomLeft(), area.topRight()};
    case gdFallingDiagonal:
        return {area.topLeft(), area.bottomRight()};
    }
    return {area.topLeft(), area.bottomRight()};
}

TGradientBackground::TGradientBackground(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGradientBackground::SetStartColor(const QColor& colour) {
    FStartColor = colour;
    update();
}

void TGradientBackground::SetEndColor(const QColor& colour) {
    FEndColor = colour;
    update();
}

void TGradientBackground::SetDirection(TGradientDirection direction) {
    FDirection = direction;
    update();
}

void TGradientBackground::paintEvent(QPaintEvent*) {
    const QLineF line = GradientLine(QRectF(rect()), FDirection);
    QLinearGradient gradient(line.p1(), line.p2());
    gradient.setColorAt(0.0, FStartColor);
    gradient.setColorAt(1.0, FEndColor);
    QPainter painter(this);
    painter.fillRect(rect(), gradient);
}
