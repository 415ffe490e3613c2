// Compressed stream objects and image objects.
#include "PdfTestSupport.h"
#include "pdf/FlateCompressor.h"
#include "pdf/PdfFormat.h"
#include "platform/RgbBitmap.h"
#include "report/ReportError.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <zlib.h>

using namespace pdf;
using pdftest::Count;
using pdftest::TestRenderer;

namespace {

std::string Inflate(const std::string& packed, size_t size) {
    std::string out(size, '\0');
    uLongf length = static_cast<uLongf>(size);
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &length,
                   reinterpret_cast<const Bytef*>(packed.data()), static_cast<uLong>(packed.size())) != Z_OK)
        return "<not zlib data>";
    out.resize(length);
    return out;
}

// The bytes between "stream\r\n" and "endstream" of object Number.
std::string StreamOf(const std::string& file, int number) {
    const size_t object = file.find("\r\n" + std::to_string(number) + " 0 obj\r\n");
    const size_t start = file.find("stream\r\n", object) + 8;
    const size_t end = file.find("endstream\r\n", start);
    return file.substr(start, end - start);
}

} // namespace

TEST(PdfStreams, CompressionHandlerWritesTheStreamItsLengthAndItsFilter) {
    TestRenderer plain;
    plain.Begin();
    TestRenderer asked; // without a handler the stream stays plain
    asked.Render.UseCompression = true;
    asked.Begin();
    EXPECT_EQ(asked.Finish(), plain.Finish());

    TestRenderer t;
    t.Render.UseCompression = true;
    std::string seen;
    t.Render.OnCompress = [&](TStream& in, TStream& out, std::string& method) {
        EXPECT_EQ(in.Position(), 0u);
        EXPECT_EQ(method, "FlateDecode");
        EXPECT_EQ(out.Size(), 0u);
        seen.resize(in.Size());
        in.Read(seen.data(), seen.size());
        out.WriteString("PACKED");
        method = "LZWDecode";
    };
    t.Begin();
    const std::string file = t.Finish();
    EXPECT_EQ(seen, "2 J\r\n");
    EXPECT_NE(
        file.find("5 0 obj\r\n<<\r\n/Length 6\r\n/Filter [/LZWDecode]\r\n>>\r\nstream\r\nPACKEDendstream"),
        std::string::npos)
        << file;
}

TEST(PdfStreams, FlateHandlerWritesReadableStreams) {
    TestRenderer t;
    t.Render.UseCompression = true;
    t.Render.OnCompress = FlateCompress;
    t.Begin();
    for (int i = 0; i < 40; ++i)
        t.Render.RenderRectangle(0.5 + i * 0.1, 1, 1 + i * 0.1, 2);
    const std::string content = t.Content();
    const std::string file = t.Finish();
    const std::string packed = StreamOf(file, 5);
    EXPECT_LT(packed.size(), content.size());
    EXPECT_NE(file.find("/Length " + std::to_string(packed.size()) + "\r\n"), std::string::npos);
    EXPECT_EQ(Inflate(packed, content.size()), content);
    const auto check = pdftest::ReadersCheck(file);
    EXPECT_EQ(check.Status, 0) << check.Output;
}

TEST(PdfStreams, HandlerErrorPropagatesAndTheDocumentIsReleased) {
    TestRenderer t;
    t.Render.UseCompression = true;
    t.Render.OnCompress = [](TStream&, TStream&, std::string&) { throw std::runtime_error("no space"); };
    t.Begin();
    EXPECT_THROW(t.Render.DocEnd(), std::runtime_error);
    EXPECT_EQ(t.Render.Document, nullptr);
    EXPECT_EQ(t.Output.Size(), 0u);
}

TEST(PdfStreams, APictureDrawnAgainReusesItsImageAndEveryPageListsAllImages) {
    TestRenderer t;
    t.Begin();
    const TReportGraphic bitmap = pdftest::SolidBitmap(8, 8, 0, 0, 255);
    t.Render.RenderBitmapRect(bitmap, 1, 1, 2, 2);
    t.NewPage();
    t.Render.RenderBitmapRect(bitmap, 1, 1, 2, 2);
    t.Render.RenderBitmap(bitmap, 3, 3, 1, 1);
    t.Render.RenderBitmapRect(pdftest::SolidBitmap(8, 8, 255, 0, 0), 1, 1, 2, 2);
    t.Render.FontChanged(TReportFont{});
    t.Render.FontChanged(TReportFont{.Name = "Courier New"});
    ASSERT_EQ(t.Render.Document->ImageList.size(), 2u);
    EXPECT_EQ(t.Render.Document->ImageList[1]->ImageName, "G2");
    EXPECT_EQ(Count(t.Content(), "/G1 Do"), 2u);
    EXPECT_NE(t.Content().find("8.0000 0 0 8.0000 216.0000 568.0000 cm"), std::string::npos);
    EXPECT_NE(t.Content().find("/G2 Do"), std::string::npos);
    const std::string file = t.Finish();
    // Objects: pages 4-7, procedure set 8, fonts 9-10, images 11-12.
    EXPECT_EQ(
        Count(file,
              "/Font <<\r\n/F1 9 0 R \r\n/F2 10 0 R \r\n>>\r\n/XObject <<\r\n/G1 11 0 R\r\n/G2 12 0 R\r\n>>"),
        2u);
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
}

TEST(PdfStreams, StretchedGraphicIsSampledAtTheMetafileResolutionButNoFinerThanItself) {
    TestRenderer t;
    t.Render.ImageQuality = 50;
    t.Begin();
    t.Render.RenderStretchDraw(TRect{72, 72, 216, 144}, pdftest::SolidBitmap(700, 400, 0, 128, 0));
    t.Render.RenderStretchDraw(TRect{0, 0, 612, 792}, pdftest::SolidBitmap(10, 10, 0, 128, 0));
    ASSERT_EQ(t.Render.Document->ImageList.size(), 2u);
    EXPECT_EQ(t.Render.Document->ImageList[0]->JPEGImage.Width(), 600);
    EXPECT_EQ(t.Render.Document->ImageList[0]->JPEGImage.Height(), 300);
    EXPECT_EQ(t.Render.Document->ImageList[1]->JPEGImage.Width(), 10);
    EXPECT_EQ(t.Render.Document->ImageList[1]->JPEGImage.Height(), 10);
    EXPECT_EQ(pdftest::ContentLines(t.Content())[1], "144.0000 0 0 72.0000 72.0000 648.0000 cm");
    t.Render.RenderDraw(pdftest::SolidBitmap(36, 18, 0, 0, 0), 1, 2);
    EXPECT_EQ(pdftest::ContentLines(t.Content())[9], "36.0000 0 0 18.0000 72.0000 630.0000 cm");
    const std::string file = t.Finish();
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
}

TEST(PdfStreams, ImageQualityDecidesTheJpegSize) {
    auto size = [](int quality) {
        TestRenderer t;
        t.Render.ImageQuality = quality;
        t.Begin();
        platform::RgbBitmap noise(64, 64);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                noise.SetPixel(x, y,
                               platform::Rgb{static_cast<uint8_t>(x * 37 + y * 11),
                                             static_cast<uint8_t>(x * y), static_cast<uint8_t>(y * 53)});
        t.Render.RenderBitmap(TReportGraphic{gtBitmap, noise.EncodeBmp()}, 0, 0, 1, 1);
        return t.Finish().size(); // the picture is nearly all of the file
    };
    EXPECT_LT(size(10), size(90));
}

TEST(PdfStreams, APictureThatCannotBeReadAddsNothing) {
    TestRenderer t;
    t.Begin();
    TReportGraphic broken{gtBitmap, {'B', 'M', 0, 0}};
    EXPECT_THROW(t.Render.RenderBitmapRect(broken, 1, 1, 2, 2), EReportError);
    TMemoryStream data(std::vector<uint8_t>{1, 2, 3});
    t.Render.RenderImageData(data, "PNG", 1, 1, 2, 2); // no decoder
    EXPECT_TRUE(t.Render.Document->ImageList.empty());
    EXPECT_EQ(t.Content(), "2 J\r\n");

    std::string type;
    t.Render.OnDecodeImage = [&](TRenderPDF& sender, TStream& stream, const std::string& name,
                                 platform::RgbBitmap& bitmap) {
        EXPECT_EQ(&sender, &t.Render);
        EXPECT_EQ(stream.Size(), 3u);
        type = name;
        bitmap = platform::RgbBitmap(4, 3);
    };
    t.Render.RenderImageData(data, "PNG", 1, 1, 2, 2);
    EXPECT_EQ(type, "PNG");
    ASSERT_EQ(t.Render.Document->ImageList.size(), 1u);
    EXPECT_EQ(t.Render.Document->ImageList[0]->JPEGImage.Width(), 4);
    EXPECT_EQ(pdftest::ContentLines(t.Content())[1], "72.0000 0 0 72.0000 72.0000 648.0000 cm");
}
