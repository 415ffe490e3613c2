#include "PdfTestSupport.h"

#include "TestFiles.h"
#include "platform/RgbBitmap.h"

#include <cstdlib>
#include <ctime>

namespace pdftest {

TestRenderer::TestRenderer() {
    setenv("TZ", "UTC", 1);
    tzset();
    Render.Clock = [] { return std::time_t{1796540889}; };
    Render.SetOutputStream(&Output);
}

void TestRenderer::Begin(double width, double height) {
    Render.DocBegin();
    Render.SetPageSize(width, height);
    Render.PageBegin();
}

void TestRenderer::NewPage(double width, double height) {
    Render.PageEnd();
    Render.SetPageSize(width, height);
    Render.PageBegin();
}

const std::string& TestRenderer::Content() const {
    return Render.CurrentPage->Content->ContentStream;
}

std::string TestRenderer::Finish() {
    Render.PageEnd();
    Render.DocEnd();
    return std::string(Output.Bytes().begin(), Output.Bytes().end());
}

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& file) {
    return test::MatchesGoldenFile(file, std::string(PDF_TEST_DATA) + "/" + name + ".pdf");
}

TReportGraphic SolidBitmap(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    TReportGraphic graphic;
    graphic.Type = gtBitmap;
    graphic.Data = platform::RgbBitmap(width, height, platform::Rgb{r, g, b}).EncodeBmp();
    return graphic;
}

} // namespace pdftest
