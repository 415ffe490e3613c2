#include "PdfTestSupport.h"

#include "PdfReaders.h"

#include "platform/RgbBitmap.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <unistd.h>

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> ContentLines(const std::string& content) {
    std::vector<std::string> lines = Lines(content);
    if (!lines.empty() && lines.front() == "2 J") lines.erase(lines.begin());
    return lines;
}

size_t Count(const std::string& text, const std::string& piece) {
    size_t count = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + piece.size()))
        ++count;
    return count;
}

ToolResult RunTool(const std::string& command) {
    ToolResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    std::array<char, 4096> buffer{};
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.Output.append(buffer.data(), got);
    const int status = pclose(pipe);
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string WriteTempFile(const std::string& bytes, const std::string& suffix) {
    std::string path =
        (std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + std::string("/pdftest-XXXXXX") + suffix;
    const int fd = mkstemps(path.data(), static_cast<int>(suffix.size()));
    if (fd < 0) return {};
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    close(fd);
    return written == static_cast<ssize_t>(bytes.size()) ? path : std::string();
}

ToolResult ReadersCheck(const std::string& bytes) {
    const std::string path = WriteTempFile(bytes);
    ToolResult result;
    result.Output = ReaderComplaints(path);
    result.Status = result.Output.empty() ? 0 : 1;
    std::remove(path.c_str());
    return result;
}

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& file) {
    const std::string golden = std::string(PDF_TEST_DATA) + "/" + name + ".pdf";
    if (const char* update = std::getenv("VELMORA_UPDATE_GOLDEN"); update && *update) {
        std::ofstream(golden, std::ios::binary) << file;
        return ::testing::AssertionSuccess();
    }
    std::ifstream in(golden, std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (file == expected) return ::testing::AssertionSuccess();
    std::ofstream(std::string(PDF_TEST_DATA) + "/" + name + ".actual.pdf", std::ios::binary) << file;
    return ::testing::AssertionFailure()
           << "output differs from data/" << name << ".pdf; written beside it as " << name << ".actual.pdf";
}

TReportGraphic SolidBitmap(int width, int height, uint8_t r, uint8_t g, uint8_t b) {
    platform::RgbBitmap bitmap(width, height, platform::Rgb{r, g, b});
    TReportGraphic graphic;
    graphic.Type = gtBitmap;
    graphic.Data = bitmap.EncodeBmp();
    return graphic;
}

} // namespace pdftest
