#include "widgets/ColourProgressBar.h"

#include <QPainter>

TColourProgressBar::TColourProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setFormat("%p %");
}

void TColourProgressBar::SetBackColor(const QColor& colour) {
    FBackColor = colour;
    update();
}

void TColourProgressBar::SetBarColor(const QColor& colour) {
    FBarColor = colour;
    update();
}

void TColourProgressBar::SetTextColor(const QColor& colour) {
    FTextColor = colour;
    update();
}

int TColourProgressBar::BarWidth(int innerWidth) const {
    const long long span = static_cast<long long>(maximum()) - minimum();
    if (span <= 0 || innerWidth <= 0) return 0;
    const long long done = std::clamp<long long>(static_cast<long long>(value()) - minimum(), 0, span);
    return static_cast<int>(done * innerWidth / span);
}

void TColourProgressBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect outer = rect();
    p.fillRect(outer, palette().color(QPalette::Dark));
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    p.fillRect(inner, FBackColor);
    const QRect bar(inner.left(), inner.top(), BarWidth(inner.width()), inner.height());
    p.fillRect(bar, FBarColor);
    if (!isTextVisible()) return;
    const QString label = text();
    p.setClipRect(inner.adjusted(bar.width(), 0, 0, 0));
    p.setPen(FTextColor);
    p.drawText(inner, Qt::AlignCenter, label);
    p.setClipRect(bar);
    p.setPen(FBackColor);
    p.drawText(inner, Qt::AlignCenter, label);
}
