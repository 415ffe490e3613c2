#include "widgets/LedPainter.h"

#include "widgets/LedFont.h"

#include <QPainter>

#include <cmath>

void DrawLedChar(QPainter& canvas, const QRect& cell, std::uint8_t ch, const TLedGeometry& geometry,
                 const TLedColors& colours) {
    const TLedGlyph& glyph = LedFont[ch];
    const int outer = geometry.DotSize + 1;
    const int inner = geometry.DotSize - 1;
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 6; ++c) {
            const int x = cell.left() + c * geometry.DotPitch;
            const int y = cell.top() + r * geometry.DotPitch;
            const bool lit = c < 5 && LedDotLit(glyph, c, r);
            canvas.fillRect(x, y, outer, outer, colours.Back);
            if (inner > 0) canvas.fillRect(x + 1, y + 1, inner, inner, lit ? colours.SegOn : colours.SegOff);
        }
    }
}

QImage RenderLedPanel(const TLedScene& scene, const QColor& back, const TLedCharDrawer& drawChar,
                      qreal scale) {
    const std::vector<TLedCell> cells = LayoutLedCells(scene);
    if (scene.Width <= 0 || scene.Height <= 7) return {};
    if (!(scale >= 1.0 && scale <= 16.0)) scale = 1.0;
    QImage image(static_cast<int>(std::ceil(scene.Width * scale)),
                 static_cast<int>(std::ceil(scene.Height * scale)), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(back);
    QPainter painter(&image);
    const int top = LedCellTop(scene);
    for (const TLedCell& cell : cells)
        drawChar(painter, QRect(cell.Left, top, scene.Geometry.CellWidth, scene.Geometry.CellHeight),
                 cell.Ch);
    return image;
}

QImage RenderLedPanel(const TLedScene& scene, const TLedColors& colours) {
    return RenderLedPanel(scene, colours.Back, [&](QPainter& canvas, const QRect& cell, std::uint8_t ch) {
        DrawLedChar(canvas, cell, ch, scene.Geometry, colours);
    });
}
