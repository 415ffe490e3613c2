#include "widgets/LEDDisplay.h"

#include "widgets/LedFont.h"

#include <QPainter>
#include <QTimer>

#include <limits>

TLEDDisplay::TLEDDisplay(QWidget* parent) : TBorderControl(parent), FTimer(new QTimer(this)) {
    FTimer->setInterval(FScrollDelay);
    connect(FTimer, &QTimer::timeout, this, &TLEDDisplay::ScrollTimerTick);
    resize(100, 30);
}

void TLEDDisplay::SetCaption(const QString& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    FCodes.clear();
    for (char32_t ch : caption.toUcs4())
        FCodes.push_back(static_cast<char>(LedCharCode(ch)));
    repaint();
}

void TLEDDisplay::SetAlignment(TAlignment alignment) {
    if (alignment == FAlignment) return;
    FAlignment = alignment;
    repaint();
}

void TLEDDisplay::SetBackColor(const QColor& colour) {
    if (colour == FColors.Back) return;
    FColors.Back = colour;
    repaint();
}

void TLEDDisplay::SetSegOnColor(const QColor& colour) {
    if (colour == FColors.SegOn) return;
    FColors.SegOn = colour;
    repaint();
}

void TLEDDisplay::SetSegOffColor(const QColor& colour) {
    if (colour == FColors.SegOff) return;
    FColors.SegOff = colour;
    repaint();
}

void TLEDDisplay::SetScrollType(TScrollType type) {
    if (type == FScrollType) return;
    FScrollType = type;
    update();
}

void TLEDDisplay::SetScrolling(bool scrolling) {
    if (scrolling == FScrolling) return;
    FScrolling = scrolling;
    if (scrolling) {
        FTimer->start();
    } else {
        FTimer->stop();
        FScrollPos = 0;
    }
    update();
}

void TLEDDisplay::SetScrollDelay(std::uint16_t delay) {
    if (delay == FScrollDelay) return;
    FScrollDelay = delay;
    FTimer->setInterval(delay);
}

bool TLEDDisplay::ScrollTimerActive() const {
    return FTimer->isActive();
}

void TLEDDisplay::ScrollTimerTick() {
    FScrollPos += DotPitch();
    // ">=" rather than "==": the limit need not be a multiple of the pitch, and the position must not
    // run past it.
    const bool complete = FScrollPos >= ScrollLimit();
    if (complete) FScrollPos = 0;
    repaint();
    if (complete) emit ScrollComplete();
}

int TLEDDisplay::ScrollLimit() const {
    return LedScrollLimit(FCodes.size(), CellWidth(), width());
}

TLedScene TLEDDisplay::Scene() const {
    TLedScene scene;
    scene.Text = FCodes;
    scene.Alignment = FAlignment;
    scene.Scrolling = FScrolling;
    scene.ScrollType = FScrollType;
    scene.ScrollPos = FScrollPos;
    const QRect client = ClientRect();
    scene.Width = client.width();
    scene.Height = client.height();
    scene.Geometry = Geometry();
    return scene;
}

void TLEDDisplay::DrawChar(QPainter& canvas, const QRect& cell, std::uint8_t ch) {
    DrawLedChar(canvas, cell, ch, Geometry(), FColors);
}

QImage TLEDDisplay::RenderClient(qreal scale) {
    return RenderLedPanel(
        Scene(), FColors.Back,
        [this](QPainter& canvas, const QRect& cell, std::uint8_t ch) { DrawChar(canvas, cell, ch); }, scale);
}

void TLEDDisplay::PaintClient(QPainter& painter, const QRect& client) {
    // Drawn whole off screen and copied in one step, so the clock never flickers.
    const QImage picture = RenderClient(devicePixelRatioF());
    if (!picture.isNull()) painter.drawImage(client.topLeft(), picture);
}
