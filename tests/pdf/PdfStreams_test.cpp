// Compressed stream objects, and pictures that cannot be read; the stored files show the images.
#include "PdfTestSupport.h"
#include "platform/RgbBitmap.h"
#include "report/ReportError.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace pdf;
using pdftest::TestRenderer;

// A handler that writes the stream as hexadecimal text: the file names its filter and length. The
// zlib handler's files are read in the font embedding tests and the command-line tests.
TEST(PdfStreams, CompressionHandlerWritesTheStreamItsLengthAndItsFilter) {
    TestRenderer t;
    t.Render.UseCompression = true;
    t.Render.OnCompress = [&](TStream& in, TStream& out, std::string& method) {
        EXPECT_EQ(in.Position(), 0u);
        EXPECT_EQ(method, "FlateDecode");
        EXPECT_EQ(out.Size(), 0u);
        for (uint8_t byte = 0; in.Read(&byte, 1) == 1;)
            out.WriteString({"0123456789ABCDEF"[byte >> 4], "0123456789ABCDEF"[byte & 15]});
        out.WriteString(">");
        method = "ASCIIHexDecode";
    };
    t.Begin();
    t.Render.RenderRectangle(1, 1, 2, 2);
    const std::string file = t.Finish();
    EXPECT_TRUE(pdftest::MatchesGolden("own-compression", file));
    EXPECT_EQ(pdftest::ComplaintsAbout(file), "");
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

TEST(PdfStreams, APictureThatCannotBeReadAddsNothing) {
    TestRenderer t;
    t.Begin();
    TReportGraphic broken{gtBitmap, {'B', 'M', 0, 0}};
    EXPECT_THROW(t.Render.RenderBitmapRect(broken, 1, 1, 2, 2), EReportError);
    TMemoryStream data(std::vector<uint8_t>{1, 2, 3});
    t.Render.RenderImageData(data, "PNG", 1, 1, 2, 2); // no decoder
    EXPECT_TRUE(t.Render.Document->ImageList.empty());
    EXPECT_EQ(t.Content(), "2 J\r\n");

    t.Render.OnDecodeImage = [&](TRenderPDF& sender, TStream& stream, const std::string& name,
                                 platform::RgbBitmap& bitmap) {
        EXPECT_EQ(&sender, &t.Render);
        EXPECT_EQ(stream.Size(), 3u);
        EXPECT_EQ(name, "PNG");
        bitmap = platform::RgbBitmap(4, 3);
    };
    t.Render.RenderImageData(data, "PNG", 1, 1, 2, 2);
    ASSERT_EQ(t.Render.Document->ImageList.size(), 1u);
    EXPECT_EQ(t.Render.Document->ImageList[0]->JPEGImage.Width(), 4);
    EXPECT_NE(t.Content().find("\r\n72.0000 0 0 72.0000 72.0000 648.0000 cm\r\n"), std::string::npos);
}
