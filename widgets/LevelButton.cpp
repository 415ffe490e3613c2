#include "widgets/LevelButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>

QColor LevelColor(int level) {
    switch (level) {
    case 1:
        return {40, 180, 60};
    case 2:
        return {240, 210, 40};
    case 3:
        return {245, 130, 30};
    case 4:
        return {215, 30, 40};
    default:
        return {150, 150, 150};
    }
}

TLevelButton::TLevelButton(int level, QWidget* parent)
    : QToolButton(parent), FLevel(level), FColor(LevelColor(level)) {
    setCheckable(true);
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void TLevelButton::SetColor(const QColor& colour) {
    FColor = colour;
    update();
}

void TLevelButton::mousePressEvent(QMouseEvent* event) {
    // Any mouse button presses a level button down; the group keeps the others up.
    if (isEnabled()) {
        setChecked(true);
        emit Pressed(event->button());
    }
    event->accept();
}

void TLevelButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const bool down = isChecked();
    // A sunk frame around the button that is down.
    if (down) {
        p.setPen(QPen(palette().color(QPalette::Dark), 1));
        p.setBrush(palette().color(QPalette::Midlight));
        p.drawRoundedRect(r, 3, 3);
    }
    const QColor base = isEnabled() ? FColor : QColor(170, 170, 170);
    const QColor face = down ? base : base.lighter(115).toHsv();
    const qreal radius = std::min(r.width(), r.height()) / 2 - 3;
    const QPointF centre = r.center() + (down ? QPointF(0.5, 0.5) : QPointF(0, 0));
    QRadialGradient gem(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    gem.setColorAt(0, down ? face.lighter(160) : QColor(face).lighter(130));
    gem.setColorAt(1, down ? face.darker(120)
                           : QColor::fromHsv(face.hue(), face.saturation() / 2, face.value()));
    p.setPen(QPen(down ? QColor(30, 30, 30) : QColor(110, 110, 110), down ? 1.5 : 1));
    p.setBrush(gem);
    p.drawEllipse(centre, radius, radius);
}
