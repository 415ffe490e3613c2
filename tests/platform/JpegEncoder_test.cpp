#include "platform/JpegEncoder.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

using platform::JpegEncoder;
using platform::JpegError;
using platform::Rgb;
using platform::RgbBitmap;

namespace {

struct Decoded {
    bool Ok = false;
    int Width = 0;
    int Height = 0;
    int Components = 0;
    bool Progressive = true;
    RgbBitmap Pixels;
};

struct DecodeErrors {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

extern "C" void DecodeErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<DecodeErrors*>(info->err)->Jump, 1);
}

// Decodes with libjpeg as a PDF reader would; Ok is false when libjpeg rejects the data.
bool DecodeInto(const std::vector<std::uint8_t>& jpeg, Decoded& out) {
    jpeg_decompress_struct info;
    DecodeErrors errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = DecodeErrorExit;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    out.Width = static_cast<int>(info.image_width);
    out.Height = static_cast<int>(info.image_height);
    out.Components = info.num_components;
    out.Progressive = info.progressive_mode;
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    out.Pixels = RgbBitmap(out.Width, out.Height);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out.Pixels.Row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

Decoded Decode(const std::vector<std::uint8_t>& jpeg) {
    Decoded out;
    out.Ok = DecodeInto(jpeg, out);
    return out;
}

// Position of the first SOFn marker's segment, or 0 when there is none.
std::size_t FindFrameMarker(const std::vector<std::uint8_t>& jpeg, std::uint8_t& marker) {
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        marker = jpeg[at + 1];
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) return at;
        at += 2 + ((jpeg[at + 2] << 8) | jpeg[at + 3]);
    }
    return 0;
}

RgbBitmap Halves(int width, int height) {
    RgbBitmap bitmap(width, height, Rgb{200, 30, 40});
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            bitmap.SetPixel(x, y, Rgb{20, 60, 220});
    return bitmap;
}

} // namespace

TEST(JpegEncoder, WritesABaselineThreeComponentEightBitFrame) {
    const std::vector<std::uint8_t> jpeg = JpegEncoder(90).Encode(Halves(100, 50));
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8) << "SOI";
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg.back(), 0xD9) << "EOI";
    std::uint8_t marker = 0;
    const std::size_t frame = FindFrameMarker(jpeg, marker);
    ASSERT_NE(frame, 0u);
    EXPECT_EQ(marker, 0xC0) << "baseline DCT frame";
    EXPECT_EQ(jpeg[frame + 4], 8) << "sample precision";
    EXPECT_EQ((jpeg[frame + 5] << 8) | jpeg[frame + 6], 50) << "height";
    EXPECT_EQ((jpeg[frame + 7] << 8) | jpeg[frame + 8], 100) << "width";
    EXPECT_EQ(jpeg[frame + 9], 3) << "components";
}

TEST(JpegEncoder, DecodesBackToThePicture) {
    const RgbBitmap picture = Halves(64, 33);
    const Decoded decoded = Decode(JpegEncoder(95).Encode(picture));
    ASSERT_TRUE(decoded.Ok);
    EXPECT_EQ(decoded.Width, 64);
    EXPECT_EQ(decoded.Height, 33);
    EXPECT_EQ(decoded.Components, 3);
    EXPECT_FALSE(decoded.Progressive);
    // Away from the colour edge, pixels come back within JPEG's error.
    for (const auto& [x, y] : {std::pair{4, 4}, std::pair{60, 30}, std::pair{10, 20}, std::pair{50, 2}}) {
        const Rgb want = picture.Pixel(x, y);
        const Rgb got = decoded.Pixels.Pixel(x, y);
        EXPECT_NEAR(got.R, want.R, 12) << x << "," << y;
        EXPECT_NEAR(got.G, want.G, 12) << x << "," << y;
        EXPECT_NEAR(got.B, want.B, 12) << x << "," << y;
    }
}

TEST(JpegEncoder, QualityIsClampedAndChangesTheOutput) {
    EXPECT_EQ(JpegEncoder(0).Quality(), 1);
    EXPECT_EQ(JpegEncoder(250).Quality(), 100);
    RgbBitmap noise(48, 48);
    std::uint32_t seed = 1;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            seed = seed * 1103515245u + 12345u;
            noise.SetPixel(x, y,
                           Rgb{static_cast<std::uint8_t>(seed >> 24), static_cast<std::uint8_t>(seed >> 16),
                               static_cast<std::uint8_t>(seed >> 8)});
        }
    const std::size_t low = JpegEncoder(1).Encode(noise).size();
    const std::size_t high = JpegEncoder(100).Encode(noise).size();
    EXPECT_LT(low, high);
    EXPECT_TRUE(Decode(JpegEncoder(1).Encode(noise)).Ok);
    EXPECT_EQ(JpegEncoder(90).Encode(noise), JpegEncoder(90).Encode(noise)) << "deterministic";
}

TEST(JpegEncoder, EmptyBitmapIsAClearError) {
    EXPECT_THROW(JpegEncoder().Encode(RgbBitmap()), JpegError);
    EXPECT_THROW(JpegEncoder().Encode(RgbBitmap(0, 10)), JpegError);
    const Decoded single = Decode(JpegEncoder().Encode(RgbBitmap(1, 1, Rgb{0, 0, 0})));
    ASSERT_TRUE(single.Ok);
    EXPECT_EQ(single.Width, 1);
}
