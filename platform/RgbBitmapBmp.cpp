// The Windows bitmap file format: 14-byte file header, an info header, an optional palette or
// colour masks, then the pixel rows, each padded to a multiple of 4 bytes.
#include "platform/RgbBitmap.h"

#include <array>

namespace platform {

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint32_t CoreHeaderSize = 12;
constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t CompressionNone = 0;
constexpr std::uint32_t CompressionBitFields = 3;
constexpr std::int32_t PixelsPerMetre72Dpi = 2835;

void Put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Bounds-checked little-endian reads from the file image.
class Reader {
  public:
    explicit Reader(std::span<const std::uint8_t> bytes) : Bytes(bytes) {}

    void Need(std::size_t offset, std::size_t count, const char* what) const {
        if (offset > Bytes.size() || count > Bytes.size() - offset)
            throw BitmapError(std::string("BMP data ends inside the ") + what);
    }
    std::uint16_t U16(std::size_t offset, const char* what) const {
        Need(offset, 2, what);
        return static_cast<std::uint16_t>(Bytes[offset] | (Bytes[offset + 1] << 8));
    }
    std::uint32_t U32(std::size_t offset, const char* what) const {
        Need(offset, 4, what);
        return static_cast<std::uint32_t>(Bytes[offset]) |
               (static_cast<std::uint32_t>(Bytes[offset + 1]) << 8) |
               (static_cast<std::uint32_t>(Bytes[offset + 2]) << 16) |
               (static_cast<std::uint32_t>(Bytes[offset + 3]) << 24);
    }
    std::int32_t S32(std::size_t offset, const char* what) const {
        return static_cast<std::int32_t>(U32(offset, what));
    }
    const std::uint8_t* At(std::size_t offset) const { return Bytes.data() + offset; }
    std::size_t Size() const { return Bytes.size(); }

  private:
    std::span<const std::uint8_t> Bytes;
};

struct Header {
    std::int64_t Width = 0;
    std::int64_t Height = 0; // negative: rows stored top-down
    int BitCount = 0;
    std::uint32_t Compression = CompressionNone;
    std::uint32_t ColorsUsed = 0;
    std::size_t PaletteOffset = 0;
    std::size_t PaletteEntrySize = 4;
    std::size_t PixelOffset = 0;
};

Header ReadHeader(const Reader& in) {
    if (in.Size() < 2 || in.At(0)[0] != 'B' || in.At(0)[1] != 'M')
        throw BitmapError("not a BMP file (no \"BM\" signature)");
    Header h;
    h.PixelOffset = in.U32(10, "file header");
    const std::uint32_t infoSize = in.U32(FileHeaderSize, "info header");
    const std::size_t info = FileHeaderSize;
    if (infoSize == CoreHeaderSize) {
        h.Width = in.U16(info + 4, "info header");
        h.Height = in.U16(info + 6, "info header");
        if (in.U16(info + 8, "info header") != 1) throw BitmapError("BMP plane count is not 1");
        h.BitCount = in.U16(info + 10, "info header");
        h.PaletteEntrySize = 3;
    } else if (infoSize >= InfoHeaderSize && infoSize <= 4096) {
        in.Need(info, infoSize, "info header");
        h.Width = in.S32(info + 4, "info header");
        h.Height = in.S32(info + 8, "info header");
        if (in.U16(info + 12, "info header") != 1) throw BitmapError("BMP plane count is not 1");
        h.BitCount = in.U16(info + 14, "info header");
        h.Compression = in.U32(info + 16, "info header");
        h.ColorsUsed = in.U32(info + 32, "info header");
    } else {
        throw BitmapError("unsupported BMP info header size " + std::to_string(infoSize));
    }
    h.PaletteOffset = info + infoSize;

    if (h.Compression == CompressionBitFields && h.BitCount == 32) {
        // The masks follow a 40-byte header; larger headers hold them inside.
        const std::size_t masks = infoSize == InfoHeaderSize ? h.PaletteOffset : info + 40;
        if (in.U32(masks, "colour masks") != 0x00FF0000u ||
            in.U32(masks + 4, "colour masks") != 0x0000FF00u ||
            in.U32(masks + 8, "colour masks") != 0x000000FFu)
            throw BitmapError("unsupported BMP colour masks");
        if (infoSize == InfoHeaderSize) h.PaletteOffset += 12;
    } else if (h.Compression != CompressionNone) {
        throw BitmapError("unsupported BMP compression " + std::to_string(h.Compression));
    }
    if (h.BitCount != 1 && h.BitCount != 4 && h.BitCount != 8 && h.BitCount != 24 && h.BitCount != 32)
        throw BitmapError("unsupported BMP bit count " + std::to_string(h.BitCount));
    if (h.Width <= 0 || h.Height == 0 || h.Height == INT32_MIN)
        throw BitmapError("BMP size " + std::to_string(h.Width) + " x " + std::to_string(h.Height) +
                          " is invalid");
    return h;
}

std::vector<Rgb> ReadPalette(const Reader& in, const Header& h) {
    const std::size_t maxColors = std::size_t{1} << h.BitCount;
    std::size_t count = h.ColorsUsed == 0 ? maxColors : h.ColorsUsed;
    if (count > maxColors) throw BitmapError("BMP palette has more colours than the bit count allows");
    in.Need(h.PaletteOffset, count * h.PaletteEntrySize, "palette");
    if (h.PaletteOffset + count * h.PaletteEntrySize > h.PixelOffset)
        throw BitmapError("BMP palette overlaps the pixel rows");
    std::vector<Rgb> palette(maxColors); // indices beyond the stored colours read as black
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* p = in.At(h.PaletteOffset + i * h.PaletteEntrySize);
        palette[i] = Rgb{p[2], p[1], p[0]};
    }
    return palette;
}

} // namespace

std::vector<std::uint8_t> RgbBitmap::EncodeBmp() const {
    if (Empty()) throw BitmapError("an empty bitmap cannot be stored as BMP");
    const std::size_t stride = (RowBytes() + 3) & ~std::size_t{3};
    const std::size_t imageSize = stride * static_cast<std::size_t>(H);
    const std::size_t fileSize = FileHeaderSize + InfoHeaderSize + imageSize;

    std::vector<std::uint8_t> out;
    out.reserve(fileSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(fileSize));
    Put32(out, 0); // reserved
    Put32(out, FileHeaderSize + InfoHeaderSize);
    Put32(out, InfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(W));
    Put32(out, static_cast<std::uint32_t>(H)); // positive: bottom-up rows
    Put16(out, 1);                             // planes
    Put16(out, 24);
    Put32(out, CompressionNone);
    Put32(out, static_cast<std::uint32_t>(imageSize));
    Put32(out, PixelsPerMetre72Dpi);
    Put32(out, PixelsPerMetre72Dpi);
    Put32(out, 0); // colours used
    Put32(out, 0); // colours important
    const std::size_t pixelStart = out.size();
    out.resize(fileSize, 0);
    for (int y = H - 1; y >= 0; --y) {
        const std::uint8_t* src = Row(y);
        std::uint8_t* dst = out.data() + pixelStart + static_cast<std::size_t>(H - 1 - y) * stride;
        for (int x = 0; x < W; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return out;
}

RgbBitmap RgbBitmap::DecodeBmp(std::span<const std::uint8_t> bytes) {
    const Reader in(bytes);
    const Header h = ReadHeader(in);
    const bool topDown = h.Height < 0;
    const std::int64_t height = topDown ? -h.Height : h.Height;
    if (h.Width > MaxSide || height > MaxSide || h.Width * height > MaxPixels)
        throw BitmapError("BMP size " + std::to_string(h.Width) + " x " + std::to_string(height) +
                          " is too large");

    const std::size_t stride =
        ((static_cast<std::size_t>(h.Width) * static_cast<std::size_t>(h.BitCount) + 31) / 32) * 4;
    // Check that every row is present before allocating anything for them.
    in.Need(h.PixelOffset, stride * static_cast<std::size_t>(height), "pixel rows");
    const std::vector<Rgb> palette = h.BitCount <= 8 ? ReadPalette(in, h) : std::vector<Rgb>{};

    RgbBitmap bitmap(static_cast<int>(h.Width), static_cast<int>(height));
    for (int row = 0; row < bitmap.H; ++row) {
        const std::uint8_t* src = in.At(h.PixelOffset + static_cast<std::size_t>(row) * stride);
        const int y = topDown ? row : bitmap.H - 1 - row;
        std::uint8_t* dst = bitmap.Row(y);
        if (h.BitCount >= 24) {
            const int step = h.BitCount / 8;
            for (int x = 0; x < bitmap.W; ++x, src += step, dst += 3) {
                dst[0] = src[2];
                dst[1] = src[1];
                dst[2] = src[0];
            }
            continue;
        }
        for (int x = 0; x < bitmap.W; ++x, dst += 3) {
            Rgb color;
            switch (h.BitCount) {
            case 8:
                color = palette[src[x]];
                break;
            case 4:
                color = palette[(src[x / 2] >> ((x % 2 == 0) ? 4 : 0)) & 0x0F];
                break;
            default:
                color = palette[(src[x / 8] >> (7 - x % 8)) & 0x01];
                break;
            }
            dst[0] = color.R;
            dst[1] = color.G;
            dst[2] = color.B;
        }
    }
    return bitmap;
}

} // namespace platform
