#include "widgets/ToolIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

// Everything is drawn on a 22 x 22 grid and scaled to the size asked for.
constexpr qreal Grid = 22.0;

const QColor Ink(40, 40, 60);

void PaintPage(QPainter& p, const QColor& paper) {
    QPainterPath page;
    page.moveTo(5, 2);
    page.lineTo(13, 2);
    page.lineTo(18, 7);
    page.lineTo(18, 20);
    page.lineTo(5, 20);
    page.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(paper);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({QPointF(13, 2), QPointF(13, 7), QPointF(18, 7)}));
}

void PaintNew(QPainter& p) {
    PaintPage(p, Qt::white);
    p.setPen(QPen(QColor(230, 170, 0), 1.5));
    p.drawLine(QPointF(8, 11), QPointF(15, 11));
    p.drawLine(QPointF(8, 14), QPointF(15, 14));
    p.drawLine(QPointF(8, 17), QPointF(13, 17));
}

void PaintOpen(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(2, 6, 15, 12));
    p.setBrush(QColor(255, 225, 130));
    p.drawPolygon(QPolygonF({QPointF(5, 10), QPointF(21, 10), QPointF(17, 18), QPointF(2, 18)}));
    p.setPen(QPen(QColor(0, 120, 0), 2));
    p.drawLine(QPointF(14, 2), QPointF(18, 6));
    p.drawLine(QPointF(18, 6), QPointF(18, 2.5));
}

void PaintSave(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(60, 90, 170));
    p.drawRoundedRect(QRectF(3, 3, 16, 16), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 3, 10, 7));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(7, 13, 8, 6));
    p.fillRect(QRectF(12, 4, 2, 5), QColor(60, 90, 170));
}

void PaintFind(QPainter& p) {
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QPointF(9, 9), 6, 6);
    p.setPen(QPen(QColor(120, 70, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.5, 13.5), QPointF(19.5, 19.5));
}

void PaintRefresh(QPainter& p) {
    p.setPen(QPen(QColor(0, 130, 60), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 14, 14), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 130, 60));
    p.drawPolygon(QPolygonF({QPointF(12, 1.5), QPointF(18, 5.5), QPointF(12, 9)}));
}

void PaintPost(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 3, 16, 16));
    p.setPen(QPen(QColor(0, 150, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(6, 11), QPointF(10, 15), QPointF(17, 5)}));
}

void PaintHelp(QPainter& p) {
    QRadialGradient glow(QPointF(10, 8), 9);
    glow.setColorAt(0, QColor(255, 255, 200));
    glow.setColorAt(1, QColor(250, 200, 0));
    p.setPen(QPen(Ink, 1));
    p.setBrush(glow);
    p.drawEllipse(QPointF(11, 9), 6.5, 6.5);
    p.setBrush(QColor(150, 150, 160));
    p.drawRect(QRectF(8, 15, 6, 5));
    p.drawLine(QPointF(8, 17.5), QPointF(14, 17.5));
}

void PaintFinish(QPainter& p) {
    p.setPen(QPen(Ink, 1.5));
    p.drawLine(QPointF(4, 2), QPointF(4, 21));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            p.fillRect(QRectF(5 + 3.5 * c, 3 + 3 * r, 3.5, 3), ((r + c) % 2) ? Qt::white : Qt::black);
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5, 3, 14, 9));
}

void PaintPrint(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 2, 10, 7));
    p.setBrush(QColor(170, 170, 180));
    p.drawRoundedRect(QRectF(2, 8, 18, 8), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 13, 10, 7));
    p.fillRect(QRectF(16, 10, 2, 1.5), QColor(0, 180, 0));
}

void PaintExit(QPainter& p) {
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(150, 90, 40));
    p.drawRect(QRectF(4, 2, 10, 18));
    p.setBrush(QColor(230, 200, 120));
    p.drawEllipse(QPointF(12, 11), 1, 1);
    p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(14, 11), QPointF(21, 11));
    p.drawPolyline(QPolygonF({QPointF(18, 8), QPointF(21, 11), QPointF(18, 14)}));
}

} // namespace

QPixmap ToolIconPixmap(TToolIcon icon, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / Grid, size / Grid);
    switch (icon) {
    case tiNew:
        PaintNew(p);
        break;
    case tiOpen:
        PaintOpen(p);
        break;
    case tiSave:
        PaintSave(p);
        break;
    case tiFind:
        PaintFind(p);
        break;
    case tiRefresh:
        PaintRefresh(p);
        break;
    case tiPost:
        PaintPost(p);
        break;
    case tiHelp:
        PaintHelp(p);
        break;
    case tiFinish:
        PaintFinish(p);
        break;
    case tiPrint:
        PaintPrint(p);
        break;
    case tiExit:
        PaintExit(p);
        break;
    }
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap DisabledPixmap(const QPixmap& normal) {
    const QImage source = normal.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage grey(source.size(), QImage::Format_ARGB32);
    grey.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb px = source.pixel(x, y);
            // Lighten the grey level so the picture looks faded on the toolbar's face.
            const int level = 128 + qGray(px) / 2;
            grey.setPixel(x, y, qRgba(level, level, level, qAlpha(px) * 3 / 4));
        }
    }
    return QPixmap::fromImage(grey);
}

QIcon ToolIcon(TToolIcon icon, int size) {
    const QPixmap normal = ToolIconPixmap(icon, size);
    QIcon result;
    result.addPixmap(normal, QIcon::Normal);
    result.addPixmap(normal, QIcon::Active);
    result.addPixmap(DisabledPixmap(normal), QIcon::Disabled);
    return result;
}

void DecorateToolButton(QToolButton* button, TToolIcon icon, int iconSize, int width) {
    button->setIcon(ToolIcon(icon, iconSize));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAccessibleName(button->text());
    button->setFixedWidth(width);
}
