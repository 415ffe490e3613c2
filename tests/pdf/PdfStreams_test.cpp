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
using pdftest::Lines;
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

// Width, height and component count of a baseline JPEG's SOF0 frame; zeros when there is none.
struct JpegFrame {
    int Width = 0, Height = 0, Components = 0, Precision = 0;
};
JpegFrame BaselineFrame(const std::string& jpeg) {
    for (size_t i = 2; i + 9 < jpeg.size();) {
        if (static_cast<uint8_t>(jpeg[i]) != 0xFF) return {};
        const uint8_t marker = static_cast<uint8_t>(jpeg[i + 1]);
        const size_t length = static_cast<uint8_t>(jpeg[i + 2]) * 256u + static_cast<uint8_t>(jpeg[i + 3]);
        if (marker == 0xC0) {
            auto byte = [&](size_t k) { return static_cast<uint8_t>(jpeg[i + k]); };
            return {byte(7) * 256 + byte(8), byte(5) * 256 + byte(6), byte(9), byte(4)};
        }
        i += 2 + length;
    }
    return {};
}

} // namespace

TEST(PdfStreams, CompressionWithoutAHandlerWritesPlainStreams) {
    TestRenderer plain;
    plain.Begin();
    plain.Render.RenderMoveTo(1, 1);
    TestRenderer asked;
    asked.Render.UseCompression = true;
    asked.Begin();
    asked.Render.RenderMoveTo(1, 1);
    const std::string file = asked.Finish();
    EXPECT_EQ(file, plain.Finish());
    EXPECT_NE(file.find("<< /Length "), std::string::npos);
    EXPECT_EQ(file.find("/Filter"), std::string::npos);
}

TEST(PdfStreams, HandlerOutputIsTheStreamAndItsLength) {
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
    };
    t.Begin();
    const std::string file = t.Finish();
    EXPECT_EQ(seen, "2 J\r\n");
    const std::vector<std::string> lines = Lines(file);
    const auto at = std::find(lines.begin(), lines.end(), "5 0 obj");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(std::vector<std::string>(at, at + 8),
              (std::vector<std::string>{"5 0 obj", "<<", "/Length 6", "/Filter [/FlateDecode]", ">>",
                                        "stream", "PACKEDendstream", "endobj"}));
}

TEST(PdfStreams, HandlerMayNameAnotherFilter) {
    TestRenderer t;
    t.Render.UseCompression = true;
    t.Render.OnCompress = [](TStream&, TStream& out, std::string& method) {
        out.WriteString("x");
        method = "LZWDecode";
    };
    t.Begin();
    EXPECT_NE(t.Finish().find("/Filter [/LZWDecode]\r\n"), std::string::npos);
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

TEST(PdfStreams, CompressedFontFileKeepsItsUncompressedLength) {
    class OneFont : public TPdfFontSource {
      public:
        bool IsTrueTypeFace(const std::string& n, bool, bool) override {
            return n == "Velmora Mono" || n == "VelmoraMono";
        }
        std::optional<TTrueTypeMetrics> OutlineMetrics(const std::string&, bool, bool) override {
            TTrueTypeMetrics m;
            m.FirstChar = 32;
            m.LastChar = 33;
            return m;
        }
        std::string FontProgram(const std::string&, bool, bool) override { return std::string(500, 'F'); }
    };
    TestRenderer t;
    t.Render.SetFontSource(std::make_shared<OneFont>());
    t.Render.UseCompression = true;
    t.Render.EmbedFonts = true;
    t.Render.OnCompress = FlateCompress;
    t.Begin();
    TReportFont font;
    font.Name = "Velmora Mono";
    t.Render.FontChanged(font);
    const std::string file = t.Finish();
    const std::string packed = StreamOf(file, 9);
    const std::vector<std::string> lines = Lines(file);
    const auto at = std::find(lines.begin(), lines.end(), "9 0 obj");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(std::vector<std::string>(at + 1, at + 7),
              (std::vector<std::string>{"<<", "/Length " + std::to_string(packed.size()) + " ",
                                        "/Length1 500", "/Filter [/FlateDecode]", ">>", "stream"}));
    EXPECT_EQ(Inflate(packed, 500), std::string(500, 'F'));
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

TEST(PdfStreams, BitmapBecomesAJpegImageObjectPlacedByItsMatrix) {
    TestRenderer t;
    t.Begin();
    t.Render.RenderBitmap(pdftest::SolidBitmap(100, 50, 200, 30, 30), 1, 1, 1, 1);
    EXPECT_EQ(pdftest::ContentLines(t.Content()),
              (std::vector<std::string>{"q", "100.0000 0 0 50.0000 72.0000 670.0000 cm", "/G1 Do", "Q"}));
    const std::string file = t.Finish();
    const std::vector<std::string> lines = Lines(file);
    const auto at = std::find(lines.begin(), lines.end(), "7 0 obj");
    ASSERT_NE(at, lines.end());
    const std::string jpeg = StreamOf(file, 7);
    EXPECT_EQ(std::vector<std::string>(at + 1, at + 10),
              (std::vector<std::string>{"<<", "/Type /XObject", "/Subtype /Image", "/Name /G1",
                                        "/Width 100 /Height 50 ", "/BitsPerComponent 8",
                                        "/ColorSpace /DeviceRGB /Length " + std::to_string(jpeg.size()) +
                                            " /Filter [/DCTDecode ]",
                                        ">>", "stream"}));
    const JpegFrame frame = BaselineFrame(jpeg);
    EXPECT_EQ(frame.Width, 100);
    EXPECT_EQ(frame.Height, 50);
    EXPECT_EQ(frame.Components, 3);
    EXPECT_EQ(frame.Precision, 8);
    EXPECT_NE(file.find("[/PDF /Text /ImageB /ImageC /ImageI]"), std::string::npos);
    EXPECT_NE(file.find("/XObject <<\r\n/G1 7 0 R\r\n>>\r\n"), std::string::npos);
    EXPECT_EQ(pdftest::ReadersCheck(file).Output, "");
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
    EXPECT_EQ(BaselineFrame(StreamOf(file, 7)).Width, 600);
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
        return StreamOf(t.Finish(), 7).size();
    };
    EXPECT_LT(size(10), size(90));
}

TEST(PdfStreams, ImageDataNeedsADecoder) {
    TestRenderer t;
    t.Begin();
    TMemoryStream data(std::vector<uint8_t>{1, 2, 3});
    t.Render.RenderImageData(data, "PNG", 1, 1, 2, 2);
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

TEST(PdfStreams, DamagedBitmapIsReportedAndAddsNothing) {
    TestRenderer t;
    t.Begin();
    TReportGraphic broken{gtBitmap, {'B', 'M', 0, 0}};
    EXPECT_THROW(t.Render.RenderBitmapRect(broken, 1, 1, 2, 2), EReportError);
    EXPECT_TRUE(t.Render.Document->ImageList.empty());
    EXPECT_EQ(t.Content(), "2 J\r\n");
}
