#include "widgets/BalloonWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>

namespace {

QFont BalloonFont() {
    QFont f;
    // Liberation Sans Narrow has the metrics of Arial Narrow.
    f.setFamilies({"Arial Narrow", "Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed"});
    f.setPixelSize(16);
    return f;
}

} // namespace

TBalloonWindow::TBalloonWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(BalloonFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 225));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

QPainterPath TBalloonWindow::Outline(const QSize& size, bool tailAtTop) {
    const qreal w = size.width() - 1, h = size.height() - 1;
    const qreal top = tailAtTop ? TailHeight : 0;
    const qreal bottom = tailAtTop ? h : h - TailHeight;
    QPainterPath box;
    box.addRoundedRect(QRectF(0, top, w, bottom - top), 7, 7);
    QPainterPath tail;
    const qreal x = std::min<qreal>(14, w / 3);
    if (tailAtTop)
        tail.addPolygon(QPolygonF({QPointF(x, top + 1), QPointF(x, 0), QPointF(x + 12, top + 1)}));
    else
        tail.addPolygon(QPolygonF({QPointF(x, bottom - 1), QPointF(x, h), QPointF(x + 12, bottom - 1)}));
    return box.united(tail);
}

void TBalloonWindow::SetText(const QString& text) {
    FText = text;
    const QRect textBox = fontMetrics().boundingRect(QRect(0, 0, 400, 10000), Qt::TextWordWrap, text);
    resize(textBox.width() + 2 * Padding + 2, textBox.height() + 2 * Padding + TailHeight);
    update();
}

void TBalloonWindow::ShowAt(const QPoint& tip) {
    QScreen* screen = QGuiApplication::screenAt(tip);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(tip, size());
    // Below the point when there is room, else above it with the tail underneath.
    FTailAtTop = tip.y() + height() <= area.bottom();
    const int tailX = std::min(14, width() / 3);
    QPoint pos(tip.x() - tailX, FTailAtTop ? tip.y() : tip.y() - height());
    pos.setX(std::clamp(pos.x(), area.left(), std::max(area.left(), area.right() - width())));
    move(pos);
    setMask(QRegion(Outline(size(), FTailAtTop).toFillPolygon().toPolygon()));
    show();
    raise();
}

void TBalloonWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(palette().color(QPalette::Window));
    p.drawPath(Outline(size(), FTailAtTop));
    const int top = FTailAtTop ? TailHeight : 0;
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(
        QRect(Padding + 1, top + Padding, width() - 2 * Padding - 2, height() - TailHeight - 2 * Padding),
        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, FText);
}
