#include "widgets/BorderControl.h"

#include <QMouseEvent>
#include <QPainter>

int FrameStyleWidth(TFrameStyle style) {
    switch (style) {
    case fsNone:
        return 0;
    case fsFlat:
        return 1;
    case fsGroove:
    case fsBump:
    case fsLowered:
    case fsRaised:
    case fsButton:
        return 2;
    }
    return 0;
}

QMargins BorderMargins(const TBorderSettings& border) {
    const int frames = FrameStyleWidth(border.Outer) + FrameStyleWidth(border.Inner);
    const int width = std::max(0, border.Width);
    auto side = [&](TBorderSide s) { return width + (border.Sides.testFlag(s) ? frames : 0); };
    return {side(sdLeft), side(sdTop), side(sdRight), side(sdBottom)};
}

QRect BorderClientRect(QSize controlSize, const TBorderSettings& border) {
    const QMargins m = BorderMargins(border);
    const int w = std::max(0, controlSize.width() - m.left() - m.right());
    const int h = std::max(0, controlSize.height() - m.top() - m.bottom());
    return {m.left(), m.top(), w, h};
}

TBorderControl::TBorderControl(QWidget* parent) : QWidget(parent) {}

void TBorderControl::SetBorderOuter(TFrameStyle style) {
    FBorder.Outer = style;
    update();
}

void TBorderControl::SetBorderInner(TFrameStyle style) {
    FBorder.Inner = style;
    update();
}

void TBorderControl::SetBorderWidth(int width) {
    FBorder.Width = std::max(0, width);
    update();
}

void TBorderControl::SetBorderSides(TBorderSides sides) {
    FBorder.Sides = sides;
    update();
}

void TBorderControl::SetBorderColor(const QColor& colour) {
    FBorderColor = colour;
    update();
}

namespace {

// Draws one line of the frame along each side that is named, shrinking the rectangle by one pixel there.
// topLeft colours the left and top sides, bottomRight the right and bottom sides.
void FrameRing(QPainter& p, QRect& r, TBorderSides sides, const QColor& topLeft, const QColor& bottomRight) {
    if (r.isEmpty()) return;
    if (sides.testFlag(sdTop)) p.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    if (sides.testFlag(sdLeft)) p.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    if (sides.testFlag(sdBottom)) p.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    if (sides.testFlag(sdRight)) p.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
    r.adjust(sides.testFlag(sdLeft) ? 1 : 0, sides.testFlag(sdTop) ? 1 : 0, sides.testFlag(sdRight) ? -1 : 0,
             sides.testFlag(sdBottom) ? -1 : 0);
}

} // namespace

void TBorderControl::PaintFrame(QPainter& p, QRect& r, TFrameStyle style) const {
    const QPalette& pal = palette();
    const QColor light = pal.color(QPalette::Light);
    const QColor mid = pal.color(QPalette::Mid);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor shadow = pal.color(QPalette::Shadow);
    const TBorderSides sides = FBorder.Sides;
    switch (style) {
    case fsNone:
        break;
    case fsFlat:
        FrameRing(p, r, sides, FBorderColor, FBorderColor);
        break;
    case fsGroove: // cut into the surface: dark outside, light inside
        FrameRing(p, r, sides, mid, light);
        FrameRing(p, r, sides, light, mid);
        break;
    case fsBump:
        FrameRing(p, r, sides, light, mid);
        FrameRing(p, r, sides, mid, light);
        break;
    case fsLowered:
        FrameRing(p, r, sides, mid, light);
        FrameRing(p, r, sides, dark, pal.color(QPalette::Button));
        break;
    case fsRaised:
        FrameRing(p, r, sides, light, dark);
        FrameRing(p, r, sides, pal.color(QPalette::Button), mid);
        break;
    case fsButton:
        FrameRing(p, r, sides, light, shadow);
        FrameRing(p, r, sides, pal.color(QPalette::Midlight), dark);
        break;
    }
}

void TBorderControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    PaintFrame(painter, r, FBorder.Outer);
    PaintFrame(painter, r, FBorder.Inner);
    const QRect client = ClientRect();
    if (!client.isEmpty()) PaintClient(painter, client);
}

void TBorderControl::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void TBorderControl::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    FPressed = false;
    QWidget::mouseReleaseEvent(event);
    if (click) emit Click();
}

void TBorderControl::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit DblClick();
}
