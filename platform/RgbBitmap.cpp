#include "platform/RgbBitmap.h"

#include <cassert>

namespace platform {

RgbBitmap::RgbBitmap(int width, int height, Rgb fill) {
    if (width < 0 || height < 0 || width > MaxSide || height > MaxSide ||
        std::int64_t{width} * height > MaxPixels)
        throw BitmapError("bitmap size " + std::to_string(width) + " x " + std::to_string(height) +
                          " is out of range");
    W = width;
    H = height;
    Pixels.resize(static_cast<std::size_t>(W) * static_cast<std::size_t>(H) * 3);
    Fill(fill);
}

Rgb RgbBitmap::Pixel(int x, int y) const {
    assert(x >= 0 && x < W && y >= 0 && y < H);
    const std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
    return Rgb{p[0], p[1], p[2]};
}

void RgbBitmap::SetPixel(int x, int y, Rgb color) {
    assert(x >= 0 && x < W && y >= 0 && y < H);
    std::uint8_t* p = Row(y) + static_cast<std::size_t>(x) * 3;
    p[0] = color.R;
    p[1] = color.G;
    p[2] = color.B;
}

void RgbBitmap::Fill(Rgb color) {
    for (std::size_t i = 0; i + 2 < Pixels.size(); i += 3) {
        Pixels[i] = color.R;
        Pixels[i + 1] = color.G;
        Pixels[i + 2] = color.B;
    }
}

} // namespace platform
