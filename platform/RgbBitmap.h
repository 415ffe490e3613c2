// A plain 24-bit RGB picture without any toolkit: what the report engine records, the PDF writer
// JPEG-encodes and the page stream stores as a bitmap file image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace platform {

struct Rgb {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Thrown for a size out of range and for a damaged or unsupported bitmap file; the message says
// which ("BMP data ends inside the pixel rows", "unsupported BMP compression 1", ...).
class BitmapError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class RgbBitmap {
  public:
    // Largest accepted side and pixel count; a picture beyond either is refused instead of
    // allocating gigabytes because a damaged file claims it.
    static constexpr int MaxSide = 32767;
    static constexpr std::int64_t MaxPixels = std::int64_t{1} << 26; // 64 Mpixel, 192 MiB

    RgbBitmap() = default;
    // Width x Height pixels filled with Fill (white by default). 0 x 0 is allowed (empty);
    // a negative or oversized side throws BitmapError.
    RgbBitmap(int width, int height, Rgb fill = Rgb{255, 255, 255});

    int Width() const { return W; }
    int Height() const { return H; }
    bool Empty() const { return W == 0 || H == 0; }

    // Pixels are stored top row first, each row Width * 3 bytes R, G, B with no padding.
    std::size_t RowBytes() const { return static_cast<std::size_t>(W) * 3; }
    std::uint8_t* Row(int y) { return Pixels.data() + static_cast<std::size_t>(y) * RowBytes(); }
    const std::uint8_t* Row(int y) const { return Pixels.data() + static_cast<std::size_t>(y) * RowBytes(); }
    std::span<const std::uint8_t> Data() const { return Pixels; }

    // Unchecked in release builds beyond an assert: callers loop within Width and Height.
    Rgb Pixel(int x, int y) const;
    void SetPixel(int x, int y, Rgb color);
    void Fill(Rgb color);

    // A Windows bitmap file image: "BM" file header, 40-byte BITMAPINFOHEADER, 24 bits per pixel,
    // no compression, rows bottom-up, each padded to a multiple of 4 bytes, 2835 pixels per metre
    // (72 dpi) resolution fields. An empty bitmap throws BitmapError (a BMP cannot be 0 wide).
    std::vector<std::uint8_t> EncodeBmp() const;

    // Reads a bitmap file image (with its 14-byte "BM" file header). Accepted: info headers of
    // 40 bytes or more (V4, V5) and the 12-byte core header; 24 and 32 bits per pixel uncompressed
    // (32-bit also with BI_BITFIELDS masks 00FF0000/0000FF00/000000FF); 1, 4 and 8 bits per pixel
    // with a palette; bottom-up and top-down rows. Anything else, or data that is cut short or
    // inconsistent, throws BitmapError. Nothing outside Bytes is ever read.
    static RgbBitmap DecodeBmp(std::span<const std::uint8_t> bytes);

    friend bool operator==(const RgbBitmap&, const RgbBitmap&) = default;

  private:
    int W = 0;
    int H = 0;
    std::vector<std::uint8_t> Pixels;
};

} // namespace platform
