#include "board/RgbBitmapFromImage.h"

#include <cstring>

platform::RgbBitmap ToRgbBitmap(const QImage& image) {
    if (image.isNull()) return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    platform::RgbBitmap bitmap(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(bitmap.Row(y), rgb.constScanLine(y), bitmap.RowBytes());
    return bitmap;
}
