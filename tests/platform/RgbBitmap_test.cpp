#include "platform/RgbBitmap.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cstring>

using platform::BitmapError;
using platform::Rgb;
using platform::RgbBitmap;

namespace {

RgbBitmap Pattern(int width, int height) {
    RgbBitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.SetPixel(x, y,
                            Rgb{static_cast<std::uint8_t>(x * 37 + y), static_cast<std::uint8_t>(y * 11),
                                static_cast<std::uint8_t>(x ^ y)});
    return bitmap;
}

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint16_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A BMP file with a 40-byte info header, built field by field.
std::vector<std::uint8_t> MakeBmp(std::int32_t width, std::int32_t height, int bits,
                                  std::uint32_t compression, const std::vector<std::uint8_t>& palette,
                                  const std::vector<std::uint8_t>& rows) {
    const std::size_t offset = 14 + 40 + palette.size();
    std::vector<std::uint8_t> out(offset);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, static_cast<std::uint32_t>(offset + rows.size()));
    Put32(out, 10, static_cast<std::uint32_t>(offset));
    Put32(out, 14, 40);
    Put32(out, 18, static_cast<std::uint32_t>(width));
    Put32(out, 22, static_cast<std::uint32_t>(height));
    Put16(out, 26, 1);
    Put16(out, 28, static_cast<std::uint16_t>(bits));
    Put32(out, 30, compression);
    Put32(out, 46, static_cast<std::uint32_t>(palette.size() / 4));
    if (!palette.empty()) std::memcpy(out.data() + 54, palette.data(), palette.size());
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

} // namespace

TEST(RgbBitmapBmp, EncodesTheExactFileLayout) {
    // Bottom row first, BGR, rows padded to four bytes, 72 dpi.
    RgbBitmap bitmap(1, 2);
    bitmap.SetPixel(0, 0, Rgb{1, 2, 3}); // top row
    bitmap.SetPixel(0, 1, Rgb{4, 5, 6});
    const std::vector<std::uint8_t> bmp = bitmap.EncodeBmp();
    EXPECT_TRUE(
        test::MatchesGoldenFile(std::string(bmp.begin(), bmp.end()), PLATFORM_TEST_DATA "/two-pixels.bmp"));
}

TEST(RgbBitmapBmp, RoundTripsEveryRowPadding) {
    for (int width = 1; width <= 6; ++width) {
        const RgbBitmap original = Pattern(width, 3);
        const std::vector<std::uint8_t> bmp = original.EncodeBmp();
        EXPECT_EQ(bmp.size(), 54 + 3 * ((width * 3 + 3) / 4 * 4)) << "width " << width;
        EXPECT_EQ(RgbBitmap::DecodeBmp(bmp), original) << "width " << width;
    }
    EXPECT_THROW(RgbBitmap().EncodeBmp(), BitmapError);
}

TEST(RgbBitmapBmp, DecodesPalettedTopDownAndThirtyTwoBitFiles) {
    // 8-bit, 2 x 2, top-down (negative height): palette index 0 red, 1 green, 2 blue.
    const std::vector<std::uint8_t> palette = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    const RgbBitmap eight = RgbBitmap::DecodeBmp(MakeBmp(2, -2, 8, 0, palette, {0, 1, 0, 0, 2, 2, 0, 0}));
    EXPECT_EQ(eight.Pixel(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(eight.Pixel(1, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(eight.Pixel(0, 1), (Rgb{0, 0, 255}));

    // 4-bit, 3 x 1: high nibble first.
    const RgbBitmap four = RgbBitmap::DecodeBmp(MakeBmp(3, 1, 4, 0, palette, {0x12, 0x00, 0, 0}));
    EXPECT_EQ(four.Pixel(0, 0), (Rgb{0, 255, 0}));
    EXPECT_EQ(four.Pixel(1, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(four.Pixel(2, 0), (Rgb{255, 0, 0}));

    // 1-bit, 9 x 1: most significant bit first, two palette entries.
    const std::vector<std::uint8_t> mono = {0, 0, 0, 0, 255, 255, 255, 0};
    const RgbBitmap one = RgbBitmap::DecodeBmp(MakeBmp(9, 1, 1, 0, mono, {0x80, 0x80, 0, 0}));
    EXPECT_EQ(one.Pixel(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(one.Pixel(1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(one.Pixel(8, 0), (Rgb{255, 255, 255}));

    // 32-bit, 1 x 2 bottom-up: BGRA.
    const RgbBitmap wide = RgbBitmap::DecodeBmp(MakeBmp(1, 2, 32, 0, {}, {1, 2, 3, 0xFF, 4, 5, 6, 0xFF}));
    EXPECT_EQ(wide.Pixel(0, 1), (Rgb{3, 2, 1}));
    EXPECT_EQ(wide.Pixel(0, 0), (Rgb{6, 5, 4}));
}

TEST(RgbBitmapBmp, EveryTruncationIsAClearError) {
    const std::vector<std::uint8_t> bmp = Pattern(5, 4).EncodeBmp();
    for (std::size_t size = 0; size < bmp.size(); ++size) {
        const std::span<const std::uint8_t> cut(bmp.data(), size);
        EXPECT_THROW(RgbBitmap::DecodeBmp(cut), BitmapError) << "cut at " << size;
    }
}

TEST(RgbBitmapBmp, UnsupportedOrInconsistentHeadersAreRefused) {
    const std::vector<std::uint8_t> rows(16, 0);
    const std::vector<std::uint8_t> palette(8, 0);
    EXPECT_THROW(RgbBitmap::DecodeBmp(MakeBmp(2, 2, 8, 1, palette, rows)), BitmapError) << "RLE8";
    EXPECT_THROW(RgbBitmap::DecodeBmp(MakeBmp(2, 2, 16, 0, {}, rows)), BitmapError) << "16-bit";
    EXPECT_THROW(RgbBitmap::DecodeBmp(MakeBmp(2, 2, 32, 3, {}, rows)), BitmapError)
        << "colour masks other than 8-8-8";
    EXPECT_THROW(RgbBitmap::DecodeBmp(MakeBmp(0, 2, 24, 0, {}, rows)), BitmapError) << "zero width";
    EXPECT_THROW(RgbBitmap::DecodeBmp(MakeBmp(-2, 2, 24, 0, {}, rows)), BitmapError) << "negative width";
    // A size far beyond the data must be refused before anything is allocated for it.
    EXPECT_THROW(RgbBitmap::DecodeBmp(MakeBmp(30000, 30000, 24, 0, {}, rows)), BitmapError);
    EXPECT_THROW(RgbBitmap::DecodeBmp(MakeBmp(0x7FFFFFFF, 1, 24, 0, {}, rows)), BitmapError);
    // More palette colours than 8 bits allow.
    std::vector<std::uint8_t> bad = MakeBmp(2, 2, 8, 0, palette, rows);
    Put32(bad, 46, 300);
    EXPECT_THROW(RgbBitmap::DecodeBmp(bad), BitmapError);
    std::vector<std::uint8_t> signature = Pattern(2, 2).EncodeBmp();
    signature[0] = 'X';
    EXPECT_THROW(RgbBitmap::DecodeBmp(signature), BitmapError);
}

TEST(RgbBitmapBmp, CorruptedHeadersDecodeOrFailCleanly) {
    // Random damage to the headers and palette: each file either decodes to the size it claims
    // or is refused with BitmapError; the sanitizer builds check that nothing is read out of bounds.
    const std::vector<std::uint8_t> palette(16 * 4, 0x55);
    const std::vector<std::uint8_t> sources[] = {
        Pattern(7, 5).EncodeBmp(), MakeBmp(5, 3, 4, 0, palette, std::vector<std::uint8_t>(12, 0x21))};
    std::uint32_t seed = 99;
    for (const auto& source : sources) {
        for (int round = 0; round < 3000; ++round) {
            std::vector<std::uint8_t> damaged = source;
            for (int hits = 0; hits < 3; ++hits) {
                seed = seed * 1664525u + 1013904223u;
                const std::size_t at =
                    (seed >> 8) % std::min<std::size_t>(damaged.size(), 54 + palette.size());
                damaged[at] = static_cast<std::uint8_t>(seed >> 24);
            }
            try {
                const RgbBitmap decoded = RgbBitmap::DecodeBmp(damaged);
                EXPECT_FALSE(decoded.Empty());
                EXPECT_EQ(decoded.Data().size(),
                          static_cast<std::size_t>(decoded.Width()) * decoded.Height() * 3);
            } catch (const BitmapError&) {
            }
        }
    }
}

TEST(RgbBitmapSize, OutOfRangeSizesAreRefused) {
    EXPECT_THROW(RgbBitmap(-1, 5), BitmapError);
    EXPECT_THROW(RgbBitmap(RgbBitmap::MaxSide + 1, 1), BitmapError);
    EXPECT_THROW(RgbBitmap(RgbBitmap::MaxSide, RgbBitmap::MaxSide), BitmapError);
    const RgbBitmap empty(0, 0);
    EXPECT_TRUE(empty.Empty());
    const RgbBitmap filled(2, 1, Rgb{9, 8, 7});
    EXPECT_EQ(filled.Pixel(1, 0), (Rgb{9, 8, 7}));
}
