#include "widgets/GrooveSpacer.h"

#include <QPainter>

TGrooveSpacer::TGrooveSpacer(QWidget* parent, int width) : QWidget(parent) {
    setFixedWidth(std::max(2, width));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

QSize TGrooveSpacer::sizeHint() const {
    return {width(), 22};
}

void TGrooveSpacer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int x = width() / 2 - 1;
    const int top = 2, bottom = height() - 3;
    // Dark line with a light line beside it: a groove cut into the bar.
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(x, top, x, bottom);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(x + 1, top, x + 1, bottom);
}
