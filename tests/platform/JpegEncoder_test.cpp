#include "platform/JpegEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <jpeglib.h>

using namespace platform;

namespace {

struct Decoded {
    bool Baseline = false;      // sequential Huffman coding, 8-bit samples and tables, as PDF readers need
    std::array<int, 3> Frame{}; // width, height, components
    RgbBitmap Pixels;
};

// Decodes with libjpeg as a PDF reader would. Data libjpeg rejects ends the test program with
// libjpeg's message, which fails the test.
Decoded Decode(const std::vector<std::uint8_t>& jpeg) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    bool baseline = !info.progressive_mode && !info.arith_code && info.data_precision == 8;
    for (const JQUANT_TBL* table : info.quant_tbl_ptrs)
        baseline =
            baseline && (!table || *std::max_element(table->quantval, table->quantval + DCTSIZE2) <= 255);
    jpeg_start_decompress(&info);
    Decoded out{
        baseline,
        {static_cast<int>(info.image_width), static_cast<int>(info.image_height), info.num_components},
        RgbBitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height))};
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.Pixels.Row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return out;
}

} // namespace

// That the same picture gives the same bytes is pinned by the PDF writer's stored files.
TEST(JpegEncoder, WritesABaselineFrameThatDecodesBackToThePicture) {
    RgbBitmap picture(64, 33, Rgb{200, 30, 40});
    for (int y = 0; y < 33; ++y)
        for (int x = 32; x < 64; ++x)
            picture.SetPixel(x, y, Rgb{20, 60, 220});
    const std::vector<std::uint8_t> jpeg = JpegEncoder(95).Encode(picture);
    EXPECT_EQ(jpeg.back(), 0xD9) << "EOI";
    const Decoded decoded = Decode(jpeg);
    EXPECT_TRUE(decoded.Baseline);
    EXPECT_EQ(decoded.Frame, (std::array{64, 33, 3}));
    // Away from the colour edge, pixels come back within JPEG's error.
    for (const auto& [x, y] : {std::pair{4, 4}, {60, 30}, {10, 20}, {50, 2}}) {
        const Rgb want = picture.Pixel(x, y), got = decoded.Pixels.Pixel(x, y);
        EXPECT_LE(std::max({std::abs(got.R - want.R), std::abs(got.G - want.G), std::abs(got.B - want.B)}),
                  12)
            << x << "," << y;
    }
    // The lowest quality would need 16-bit tables without the baseline limit.
    const Decoded tiny = Decode(JpegEncoder(1).Encode(RgbBitmap(1, 1, Rgb{0, 0, 0})));
    EXPECT_TRUE(tiny.Baseline && tiny.Frame == (std::array{1, 1, 3}));
}

TEST(JpegEncoder, QualityIsClampedAndAnEmptyBitmapIsAClearError) {
    EXPECT_EQ(JpegEncoder(0).Quality(), 1);
    EXPECT_EQ(JpegEncoder(250).Quality(), 100);
    RgbBitmap noise(48, 48);
    std::minstd_rand random(1);
    std::generate_n(noise.Row(0), noise.RowBytes() * 48, [&] { return static_cast<std::uint8_t>(random()); });
    EXPECT_LT(JpegEncoder(1).Encode(noise).size(), JpegEncoder(100).Encode(noise).size());
    EXPECT_THROW(JpegEncoder().Encode(RgbBitmap()), JpegError);
    EXPECT_THROW(JpegEncoder().Encode(RgbBitmap(0, 10)), JpegError);
}
