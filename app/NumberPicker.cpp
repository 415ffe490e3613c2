#include "app/NumberPicker.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleHints>

#include <array>

namespace {

const QColor Purple(128, 0, 128);
const QColor Navy(0, 0, 128);
const QColor Hot(255, 0, 0);
const QColor LightYellow(255, 255, 128);

// Left, top of the digit labels 1-9, clockwise from the upper right.
constexpr std::array<QPoint, 9> DigitPos{
    {{64, 5}, {79, 23}, {79, 50}, {64, 66}, {44, 73}, {23, 66}, {8, 50}, {8, 23}, {23, 5}}};
constexpr QSize DigitSize(13, 29);

QFont LabelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(24);
    font.setBold(true);
    return font;
}

// The erase symbol, a skull and crossbones, drawn with shapes so it needs no symbol font.
void DrawSkull(QPainter& p, const QRect& r, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    const double cx = r.center().x() + 0.5;
    // Crossed bones behind the skull.
    p.drawLine(QPointF(cx - 7, r.top() + 17), QPointF(cx + 7, r.top() + 25));
    p.drawLine(QPointF(cx + 7, r.top() + 17), QPointF(cx - 7, r.top() + 25));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(cx, r.top() + 9), 6.5, 6.0);
    p.drawRect(QRectF(cx - 3.5, r.top() + 12, 7, 5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(cx - 2.6, r.top() + 9), 1.7, 1.9);
    p.drawEllipse(QPointF(cx + 2.6, r.top() + 9), 1.7, 1.9);
    p.restore();
}

} // namespace

TNumberPicker::TNumberPicker(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PickerPanel"));
    setFixedSize(PickerWidth, PickerHeight);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    hide();
}

QRect TNumberPicker::PartRect(TPart part) {
    switch (part) {
    case ptShape1:
        return {0, 0, 100, 100};
    case ptErase:
        return {43, 3, 16, 27};
    case ptShape2:
        return {24, 27, 52, 46};
    case ptCentre:
        return {43, 35, 13, 29};
    case ptNone:
        return {};
    default:
        return {DigitPos[static_cast<std::size_t>(part - ptDigit1)], DigitSize};
    }
}

int TNumberPicker::PartTag(TPart part) {
    if (part >= ptDigit1 && part <= ptDigit9) return part - ptDigit1 + 1;
    if (part == ptErase || part == ptCentre) return 0;
    return -1;
}

TNumberPicker::TPart TNumberPicker::PartAt(const QPoint& point) {
    for (int part = ptCentre; part >= ptShape1; --part)
        if (PartRect(static_cast<TPart>(part)).contains(point)) return static_cast<TPart>(part);
    return ptNone;
}

void TNumberPicker::SetCentreText(const QString& text) {
    FCentreText = text;
    update();
}

QColor TNumberPicker::LabelColour(TPart part) const {
    if (part == FHot) return Hot;
    if (part == ptCentre) return FCentreLeft ? Navy : Qt::black;
    return Navy;
}

void TNumberPicker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    // Outer ring: diagonal cross hatching inside a 2-pixel purple outline.
    const QRectF outer = QRectF(PartRect(ptShape1)).adjusted(1, 1, -1, -1);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(outer);
    p.setBrush(QBrush(Qt::black, Qt::DiagCrossPattern));
    p.drawEllipse(outer);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Purple, 2));
    p.drawEllipse(outer);

    DrawSkull(p, PartRect(ptErase), LabelColour(ptErase));

    p.setFont(LabelFont());
    for (int part = ptDigit1; part <= ptDigit9; ++part) {
        const QRect r = PartRect(static_cast<TPart>(part));
        p.fillRect(r.adjusted(-1, 0, 1, 0), Qt::white);
        p.setPen(LabelColour(static_cast<TPart>(part)));
        p.drawText(r.adjusted(-2, 0, 2, 0), Qt::AlignCenter,
                   QString::number(PartTag(static_cast<TPart>(part))));
    }

    p.setPen(QPen(Purple, 2));
    p.setBrush(LightYellow);
    p.drawEllipse(QRectF(PartRect(ptShape2)).adjusted(1, 1, -1, -1));
    p.setPen(LabelColour(ptCentre));
    p.drawText(PartRect(ptCentre).adjusted(-2, 0, 2, 0), Qt::AlignCenter, FCentreText);
}

void TNumberPicker::mousePressEvent(QMouseEvent* event) {
    const auto doubleClick = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (FOpenedAt && event->timestamp() - *FOpenedAt < doubleClick) return;
    const TPart part = PartAt(event->position().toPoint());
    if (part == ptShape2)
        emit Shape2MouseDown();
    else if (part != ptNone)
        emit Shape1MouseDown(PartTag(part));
}

void TNumberPicker::SetHot(TPart part) {
    if (!IsLabel(part)) part = ptNone;
    if (part == FHot) return;
    if (FHot == ptCentre) FCentreLeft = true;
    FHot = part;
    update();
}

void TNumberPicker::mouseMoveEvent(QMouseEvent* event) {
    SetHot(PartAt(event->position().toPoint()));
}

void TNumberPicker::leaveEvent(QEvent*) {
    SetHot(ptNone);
}

void TNumberPicker::hideEvent(QHideEvent*) {
    SetHot(ptNone);
}
