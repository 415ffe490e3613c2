// Stream renderers: locale-independent formatting, line ends, the input file.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>

#include "TestSupport.h"
#include "report/ReportError.h"
#include "report/ReportRenderStream.h"

TEST(FormatText, NumbersUseAPointInEveryLocale) {
    const std::string Old = std::setlocale(LC_ALL, nullptr);
    const bool Comma = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
    EXPECT_EQ(FormatText("%.4f %.4f m", {72.0, 720.5}), "72.0000 720.5000 m");
    EXPECT_EQ(FormatText("%.3g %.3g %.3g", {1.0 / 255, 128.0 / 255, 1.0}), "0.00392 0.502 1");
    EXPECT_EQ(FormatText("%d 0 obj %s", {12, "x"}), "12 0 obj x");
    EXPECT_EQ(FormatText("%5d|%-4d|%05.1f|%x|%X|%%|%c", {42, 7, -2.25, 255, 255, 'Q'}),
              "   42|7   |-02.2|ff|FF|%|Q");
    EXPECT_EQ(FormatText("%s and %s", {"one"}), "one and "); // a missing argument writes nothing
    EXPECT_EQ(FormatText("%.2s", {std::string("abc")}), "ab");
    std::setlocale(LC_ALL, Old.c_str());
    if (!Comma) GTEST_SKIP() << "no comma locale installed; formatting checked in the C locale only";
}

TEST(ReportRenderStream, WritesGoToTheOutputWithCrLfLineEnds) {
    TReportRenderStream R;
    TMemoryStream Out;
    R.SetOutputStream(&Out);
    R.WriteText("");
    R.WriteText("a");
    R.WriteFmt("%.1f", {1.25});
    R.WriteLine("b");
    R.WriteLineFmt("%d", {3});
    EXPECT_EQ(std::string(Out.Bytes().begin(), Out.Bytes().end()), "a1.2b\r\n3\r\n");
}

TEST(ReportRender, RenderStreamReadsTheInputFileWhenNoStreamIsGiven) {
    TRecordingRender R;
    R.SetInputFileName(REPORT_TEST_DATA "/every-operation.ndr");
    R.RenderStream(nullptr);
    EXPECT_EQ(R.Calls.back(), "DocEnd");
    EXPECT_EQ(std::count(R.Calls.begin(), R.Calls.end(), "RenderLeftText 'left' 1 10"), 1);
    EXPECT_FALSE(R.Busy());
    R.SetInputFileName(REPORT_TEST_DATA "/missing.ndr");
    EXPECT_THROW(R.RenderStream(nullptr), EReportError);
}
