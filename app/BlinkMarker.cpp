#include "app/BlinkMarker.h"

#include <QPainter>

namespace {
const QColor Purple(128, 0, 128);
const QColor LightYellow(255, 255, 128);
} // namespace

TBlinkMarker::TBlinkMarker(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BlinkLbl"));
    setFixedSize(51, 57);
    Blink.setSingleShot(true);
    connect(&Blink, &QTimer::timeout, this, &TBlinkMarker::Toggle);
    hide();
}

QColor TBlinkMarker::ShownColour() const {
    return On ? Purple : LightYellow;
}

void TBlinkMarker::SetScale(double scale) {
    Scale = scale;
    setFixedSize(qRound(51 * scale), qRound(57 * scale));
    update();
}

void TBlinkMarker::Toggle() {
    On = !On;
    Blink.start(On ? OnTimeMs : OffTimeMs);
    update();
}

void TBlinkMarker::showEvent(QShowEvent*) {
    On = true;
    Blink.start(OnTimeMs);
}

void TBlinkMarker::hideEvent(QHideEvent*) {
    Blink.stop();
}

void TBlinkMarker::mousePressEvent(QMouseEvent*) {
    emit Pressed();
}

// A hollow square a little larger than a board square, placed as the symbol glyph would sit in
// its 51 x 57 label: the square's own pixels start 2 pixels in from the left and 7 from the top.
void TBlinkMarker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.scale(Scale, Scale);
    p.setPen(QPen(ShownColour(), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.0, 7.0, 44.0, 44.0));
}
