// The generated width tables against the published metrics, and all of them stored.
#include "TestFiles.h"
#include "pdf/StandardFontWidths.h"

#include <gtest/gtest.h>

#include <string>

using namespace pdf;

TEST(StandardFontWidths, TellingEntriesMatchThePublishedMetrics) {
    struct Row {
        const char* Font;
        int Code, Width;
    };
    const Row rows[] = {{"Helvetica", ' ', 278},
                        {"Helvetica", 'A', 667},
                        {"Helvetica", 'a', 556},
                        {"Helvetica", '@', 1015},
                        {"Helvetica-Bold", 'A', 722},
                        {"Times-Roman", 'A', 722},
                        {"Times-Roman", 'a', 444},
                        {"Times-Italic", 'A', 611},
                        {"Helvetica", 0x80, 556},              // Euro sits at its WinAnsi code
                        {"helvetica-boldoblique", 0xE9, 556}}; // eacute; names ignore case
    for (const Row& row : rows) {
        const TFontWidths* table = FindStandardFontWidths(row.Font);
        ASSERT_NE(table, nullptr) << row.Font;
        EXPECT_EQ((*table)[row.Code], row.Width) << row.Font << " " << row.Code;
    }
    EXPECT_EQ(FindStandardFontWidths("Arial"), nullptr);
    EXPECT_EQ(FindStandardFontWidths("Helvetica-"), nullptr);
}

// Every width, sixteen codes to a line: control codes are 0, Courier is 600 throughout, the undefined
// WinAnsi codes of the text fonts take the bullet's width, Symbol and ZapfDingbats have gaps.
TEST(StandardFontWidths, EveryTableMatchesTheStoredList) {
    std::string text;
    for (const auto& table : StandardFontWidthTables) {
        text += std::string(table.BaseFont) + "\n";
        for (int code = 0; code < 256; ++code)
            text += std::to_string(table.Widths[code]) + (code % 16 == 15 ? "\n" : " ");
    }
    EXPECT_TRUE(test::MatchesGoldenFile(text, PDF_TEST_DATA "/standard-font-widths.txt"));
}
