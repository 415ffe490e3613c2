#pragma once

#include "widgets/LedLayout.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>
#include <functional>

class QPainter;

struct TLedColors {
    QColor Back{0, 0, 0};
    QColor SegOn{0, 255, 0};
    QColor SegOff{0, 51, 0};
};

// Draws one character cell: 7 rows of 6 dots (the sixth column always unlit). Each dot is a square of
// DotSize + 1 pixels outlined in the background colour and filled lit or unlit.
void DrawLedChar(QPainter& canvas, const QRect& cell, std::uint8_t ch, const TLedGeometry& geometry,
                 const TLedColors& colours);

using TLedCharDrawer = std::function<void(QPainter& canvas, const QRect& cell, std::uint8_t ch)>;

// Paints the whole client area off screen: the background, then every cell of LayoutLedCells through
// drawChar. A null image when there is nothing to draw (client area empty or 7 pixels high or less).
// With a display scale factor the image has that many device pixels per panel pixel, so the dots
// stay sharp; the scene is still laid out in panel pixels.
QImage RenderLedPanel(const TLedScene& scene, const QColor& back, const TLedCharDrawer& drawChar,
                      qreal scale = 1.0);
QImage RenderLedPanel(const TLedScene& scene, const TLedColors& colours);
