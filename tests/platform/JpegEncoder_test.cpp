#include "platform/JpegEncoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <jpeglib.h>

using namespace platform;

namespace {

struct Decoded {
    bool Ok = false;
    std::array<int, 3> Frame{}; // width, height, components
    RgbBitmap Pixels;
};

struct DecodeErrors {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

extern "C" void DecodeErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<DecodeErrors*>(info->err)->Jump, 1);
}

// Decodes with libjpeg as a PDF reader would; Ok stays false when libjpeg rejects the data. Out is
// the caller's, so that no object with a destructor lives across the setjmp.
void Decode(const std::vector<std::uint8_t>& jpeg, Decoded& out) {
    jpeg_decompress_struct info;
    DecodeErrors errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = DecodeErrorExit;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    out.Frame = {static_cast<int>(info.image_width), static_cast<int>(info.image_height),
                 info.num_components};
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.Pixels = RgbBitmap(out.Frame[0], out.Frame[1]);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.Pixels.Row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    out.Ok = true;
}

// The marker of the first SOFn segment, 0 when there is none.
std::uint8_t FrameMarker(const std::vector<std::uint8_t>& jpeg) {
    for (std::size_t at = 2; at + 4 <= jpeg.size() && jpeg[at] == 0xFF;
         at += 2 + (jpeg[at + 2] << 8 | jpeg[at + 3])) {
        const std::uint8_t marker = jpeg[at + 1];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return marker;
    }
    return 0;
}

} // namespace

TEST(JpegEncoder, WritesABaselineFrameThatDecodesBackToThePicture) {
    RgbBitmap picture(64, 33, Rgb{200, 30, 40});
    for (int y = 0; y < 33; ++y)
        for (int x = 32; x < 64; ++x)
            picture.SetPixel(x, y, Rgb{20, 60, 220});
    const std::vector<std::uint8_t> jpeg = JpegEncoder(95).Encode(picture);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg.back(), 0xD9) << "EOI";
    EXPECT_EQ(FrameMarker(jpeg), 0xC0) << "baseline DCT, 8 bits a sample";
    Decoded decoded;
    Decode(jpeg, decoded);
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.Frame, (std::array{64, 33, 3}));
    // Away from the colour edge, pixels come back within JPEG's error.
    for (const auto& [x, y] : {std::pair{4, 4}, {60, 30}, {10, 20}, {50, 2}}) {
        const Rgb want = picture.Pixel(x, y), got = decoded.Pixels.Pixel(x, y);
        EXPECT_LE(std::max({std::abs(got.R - want.R), std::abs(got.G - want.G), std::abs(got.B - want.B)}),
                  12)
            << x << "," << y;
    }
}

// That the same picture gives the same bytes is pinned by the PDF writer's stored files.
TEST(JpegEncoder, QualityIsClampedAndAnEmptyBitmapIsAClearError) {
    EXPECT_EQ(JpegEncoder(0).Quality(), 1);
    EXPECT_EQ(JpegEncoder(250).Quality(), 100);
    RgbBitmap noise(48, 48);
    std::minstd_rand random(1);
    std::generate_n(noise.Row(0), noise.RowBytes() * 48, [&] { return static_cast<std::uint8_t>(random()); });
    EXPECT_LT(JpegEncoder(1).Encode(noise).size(), JpegEncoder(100).Encode(noise).size());
    EXPECT_THROW(JpegEncoder().Encode(RgbBitmap()), JpegError);
    EXPECT_THROW(JpegEncoder().Encode(RgbBitmap(0, 10)), JpegError);
    Decoded single;
    Decode(JpegEncoder(1).Encode(RgbBitmap(1, 1, Rgb{0, 0, 0})), single);
    EXPECT_TRUE(single.Ok && single.Frame[0] == 1);
}
