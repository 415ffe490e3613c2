#include "platform/RgbBitmap.h"

#include "CaseTable.h"
#include "TestFiles.h"

#include <algorithm>
#include <cstdio>
#include <random>

using namespace platform;

namespace {

RgbBitmap Pattern(int width, int height) {
    RgbBitmap bitmap(width, height);
    std::minstd_rand random(width);
    std::generate_n(bitmap.Row(0), bitmap.RowBytes() * height,
                    [&] { return static_cast<std::uint8_t>(random()); });
    return bitmap;
}

// "WxH: rrggbb rrggbb / rrggbb rrggbb", top row first.
std::string PixelText(const RgbBitmap& bitmap) {
    std::string text = std::to_string(bitmap.Width()) + "x" + std::to_string(bitmap.Height()) + ":";
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            char hex[8];
            const Rgb pixel = bitmap.Pixel(x, y);
            std::snprintf(hex, sizeof hex, " %02x%02x%02x", pixel.R, pixel.G, pixel.B);
            text += hex;
        }
        text += y + 1 < bitmap.Height() ? " /" : "";
    }
    return text;
}

std::vector<std::uint8_t> DataFile(const std::string& name) {
    const std::string bytes = test::ReadWholeFile(PLATFORM_TEST_DATA "/" + name);
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(RgbBitmapBmp, EncodesTheExactFileLayoutAndRoundTripsEveryRowPadding) {
    // Bottom row first, BGR, rows padded to four bytes, 72 dpi.
    RgbBitmap bitmap(1, 2);
    bitmap.SetPixel(0, 0, Rgb{1, 2, 3}); // top row
    bitmap.SetPixel(0, 1, Rgb{4, 5, 6});
    const std::vector<std::uint8_t> bmp = bitmap.EncodeBmp();
    EXPECT_TRUE(
        test::MatchesGoldenFile(std::string(bmp.begin(), bmp.end()), PLATFORM_TEST_DATA "/two-pixels.bmp"));
    for (int width = 1; width <= 6; ++width) {
        const RgbBitmap original = Pattern(width, 3);
        const std::vector<std::uint8_t> padded = original.EncodeBmp();
        EXPECT_EQ(padded.size(), 54 + 3 * ((width * 3 + 3) / 4 * 4)) << "width " << width;
        EXPECT_EQ(RgbBitmap::DecodeBmp(padded), original) << "width " << width;
    }
    EXPECT_THROW(RgbBitmap().EncodeBmp(), BitmapError);
}

// The files are made by data/bmp/make-bmp-files.py; each decodes to the pixels in the table or is
// refused with the reason there.
TEST(RgbBitmapBmp, DecodesEachKindOfFileOrSaysWhyNot) {
    EXPECT_TRUE(test::MatchesCaseTable(PLATFORM_TEST_DATA "/bmp-files.txt", [](const std::string& name) {
        try {
            return PixelText(RgbBitmap::DecodeBmp(DataFile(name)));
        } catch (const BitmapError& error) {
            return std::string("refused: ") + error.what();
        }
    }));
}

// Every cut of a file is refused. After random damage to the headers and palette a file either
// decodes to the size it claims or is refused; the sanitizer builds check that nothing is read out of
// bounds.
TEST(RgbBitmapBmp, DamagedFilesAreRefusedOrDecodeCleanly) {
    const std::vector<std::uint8_t> sources[] = {Pattern(7, 5).EncodeBmp(), DataFile("bmp/paletted-4bit.bmp"),
                                                 DataFile("bmp/core-header-1bit.bmp")};
    for (std::size_t size = 0; size < sources[0].size(); ++size)
        EXPECT_THROW(RgbBitmap::DecodeBmp(std::span(sources[0].data(), size)), BitmapError)
            << "cut at " << size;
    std::minstd_rand random(99);
    for (const auto& source : sources) {
        for (int round = 0; round < 3000; ++round) {
            std::vector<std::uint8_t> damaged = source;
            for (int hits = 0; hits < 3; ++hits) // within the headers and palette
                damaged[random() % source[10]] = static_cast<std::uint8_t>(random());
            try {
                const RgbBitmap decoded = RgbBitmap::DecodeBmp(damaged);
                EXPECT_TRUE(!decoded.Empty() &&
                            decoded.Data().size() == decoded.RowBytes() * decoded.Height());
            } catch (const BitmapError&) {
            }
        }
    }
}

TEST(RgbBitmapSize, OutOfRangeSizesAreRefused) {
    EXPECT_THROW(RgbBitmap(-1, 5), BitmapError);
    EXPECT_THROW(RgbBitmap(RgbBitmap::MaxSide + 1, 1), BitmapError);
    EXPECT_THROW(RgbBitmap(RgbBitmap::MaxSide, RgbBitmap::MaxSide), BitmapError);
    EXPECT_TRUE(RgbBitmap(0, 0).Empty());
    EXPECT_EQ(RgbBitmap(2, 1, Rgb{9, 8, 7}).Pixel(1, 0), (Rgb{9, 8, 7}));
}
