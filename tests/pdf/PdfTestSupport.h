// Helpers shared by the PDF tests: drive a renderer without a page stream, split its output into
// lines, and check files the way PDF readers do.
#pragma once

#include "pdf/TRenderPDF.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pdftest {

// A renderer writing into memory, with a fixed clock (2026-12-06 07:08:09 UTC, TZ=UTC).
class TestRenderer {
  public:
    TestRenderer();
    pdf::TRenderPDF Render;
    TMemoryStream Output;

    // DocBegin and the first PageBegin on a page of the given size.
    void Begin(double width = 8.5, double height = 11.0);
    // A further page.
    void NewPage(double width = 8.5, double height = 11.0);
    // The content stream of the current page so far.
    const std::string& Content() const;
    // DocEnd; the whole file.
    std::string Finish();
};

// Lines split at CR LF; a final piece without a line end is kept.
std::vector<std::string> Lines(const std::string& text);
// The lines after the first "2 J" line of a content stream.
std::vector<std::string> ContentLines(const std::string& content);
size_t Count(const std::string& text, const std::string& piece);

struct ToolResult {
    int Status = -1;
    std::string Output; // stdout and stderr together
};
// Runs a shell command and collects what it prints.
ToolResult RunTool(const std::string& command);
// Writes Bytes to a fresh temporary file and returns its path.
std::string WriteTempFile(const std::string& bytes, const std::string& suffix = ".pdf");
// The bytes read by qpdf, poppler, mupdf and ghostscript; status 0 means none complained, and the
// output holds the complaints.
ToolResult ReadersCheck(const std::string& bytes);

// Whether File equals the golden file data/<Name>.pdf. On a difference the output is written beside
// it as data/<Name>.actual.pdf. After an intended change of the output, run the tests with
// VELMORA_UPDATE_GOLDEN=1 to rewrite the golden files, and review the change before committing it.
::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& file);

// A bitmap file image of Width x Height pixels filled with one colour.
TReportGraphic SolidBitmap(int width, int height, uint8_t r, uint8_t g, uint8_t b);

} // namespace pdftest
