// The PDF-specific formats; the numbers themselves are NumberFormat's and tested there.
#include "pdf/PdfFormat.h"

#include <gtest/gtest.h>

using namespace pdf;

TEST(PdfFormat, OffsetsEscapesDatesAndColours) {
    EXPECT_EQ(FormatOffset10(0), "0000000000");
    EXPECT_EQ(FormatOffset10(1234567890), "1234567890");
    EXPECT_EQ(EscapeText("a(b)c\\d"), "a\\(b\\)c\\\\d");
    EXPECT_EQ(EscapeText("line\r\nbreak \xE9"), "line\r\nbreak \xE9"); // nothing else is escaped
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mday = 5;
    t.tm_hour = 7;
    t.tm_sec = 9;
    EXPECT_EQ(PDFDate(t), "20260105070009");
    EXPECT_EQ(PDFColor(0x000180), "0.502 0.00392 0"); // red from the low byte
    EXPECT_EQ(PDFColor(0xFF0000), "0 0 1");
    EXPECT_EQ(PDFColor(static_cast<int32_t>(0x80000005)), "0 0 0"); // system colour
    EXPECT_EQ(PDFColor(0x7F0000FF), "1 0 0");                       // top byte ignored
}
