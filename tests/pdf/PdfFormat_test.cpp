#include "pdf/PdfFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

using namespace pdf;

TEST(PdfFormat, FixedPointHasFourDecimals) {
    EXPECT_EQ(FormatFixed4(612), "612.0000");
    EXPECT_EQ(FormatFixed4(68.7), "68.7000");
    EXPECT_EQ(FormatFixed4(0.00004), "0.0000");
    EXPECT_EQ(FormatFixed4(0.00005000001), "0.0001");
    EXPECT_EQ(FormatFixed4(-1.25), "-1.2500");
    EXPECT_EQ(FormatFixed4(123456789.5), "123456789.5000");
    // A damaged stream may carry a NaN; it must still give a readable number.
    EXPECT_EQ(FormatFixed4(std::nan("")), "0.0000");
}

TEST(PdfFormat, GeneralFormatKeepsThreeSignificantDigitsWithoutTrailingZeros) {
    EXPECT_EQ(FormatG3(1.0 / 255), "0.00392");
    EXPECT_EQ(FormatG3(128.0 / 255), "0.502");
    EXPECT_EQ(FormatG3(1), "1");
    EXPECT_EQ(FormatG3(0), "0");
    EXPECT_EQ(FormatG3(0.5), "0.5");
    EXPECT_EQ(FormatG3(192.0 / 255), "0.753");
}

TEST(PdfFormat, IntegersArePaddedAsTheFileNeedsThem) {
    EXPECT_EQ(FormatInt4(12), "0012");
    EXPECT_EQ(FormatInt4(9), "0009");
    EXPECT_EQ(FormatInt4(12345), "12345");
    EXPECT_EQ(FormatInt4(-12), "-0012");
    EXPECT_EQ(FormatOffset10(19), "0000000019");
    EXPECT_EQ(FormatOffset10(0), "0000000000");
    EXPECT_EQ(FormatOffset10(1234567890), "1234567890");
}

TEST(PdfFormat, NumbersUseAPointUnderACommaLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5") << "the locale should use a decimal comma";
    EXPECT_EQ(FormatFixed4(612), "612.0000");
    EXPECT_EQ(FormatG3(0.5), "0.5");
    EXPECT_EQ(PDFColor(0xC0C0C0), "0.753 0.753 0.753");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(PdfFormat, EscapeTextEscapesParenthesesAndBackslashOnly) {
    EXPECT_EQ(EscapeText("a(b)c\\d"), "a\\(b\\)c\\\\d");
    EXPECT_EQ(EscapeText("(x)"), "\\(x\\)");
    EXPECT_EQ(EscapeText("line\r\nbreak \xE9"), "line\r\nbreak \xE9");
    EXPECT_EQ(EscapeText(""), "");
    EXPECT_EQ(EscapeText("\\\\"), "\\\\\\\\");
}

TEST(PdfFormat, DateIsFourteenDigits) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 5;
    t.tm_hour = 7;
    t.tm_min = 3;
    t.tm_sec = 9;
    EXPECT_EQ(PDFDate(t), "20260105070309");
    t.tm_hour = 23;
    t.tm_mon = 11;
    t.tm_mday = 31;
    EXPECT_EQ(PDFDate(t), "20261231230309");
}

TEST(PdfFormat, ColoursAreRedGreenBlueFromTheLowByte) {
    EXPECT_EQ(PDFColor(0x0000FF), "1 0 0");
    EXPECT_EQ(PDFColor(0x00FF00), "0 1 0");
    EXPECT_EQ(PDFColor(0xFF0000), "0 0 1");
    EXPECT_EQ(PDFColor(0xC0C0C0), "0.753 0.753 0.753");
    EXPECT_EQ(PDFColor(0x000180), "0.502 0.00392 0");
    EXPECT_EQ(PDFColor(static_cast<int32_t>(0x80000005)), "0 0 0"); // system colour
    EXPECT_EQ(PDFColor(0x7F0000FF), "1 0 0");                       // top byte ignored
}
