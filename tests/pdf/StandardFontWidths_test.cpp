// The generated width tables against the published metrics and the rules the generator follows.
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

TEST(StandardFontWidths, ControlCodesAndUndefinedCodesFollowTheRules) {
    ASSERT_EQ(StandardFontWidthTables.size(), 14u);
    for (const auto& table : StandardFontWidthTables) {
        SCOPED_TRACE(std::string(table.BaseFont));
        const std::string_view name = table.BaseFont;
        const bool courier = name.starts_with("Courier");
        const bool text = courier || name.starts_with("Helvetica") || name.starts_with("Times");
        EXPECT_EQ(table.Widths[0], courier ? 600 : name.starts_with("Helvetica") ? 278 : 250);
        for (int code = 1; code <= 255; ++code) {
            const int width = table.Widths[code];
            if (code <= 31) {
                EXPECT_EQ(width, 0) << code;
            } else if (courier) {
                EXPECT_EQ(width, 600) << code;
            } else if (text && (code == 127 || code == 129 || code == 141 || code == 143 || code == 144 ||
                                code == 157)) {
                EXPECT_EQ(width, 350) << code; // undefined WinAnsi codes take the bullet
            } else if (text) {
                EXPECT_NE(width, 0) << code;
            } else if ((code >= 127 && code <= 160) || code == 240 || code == 255) {
                EXPECT_EQ(width, 0) << code; // Symbol and ZapfDingbats have nothing there
            }
        }
        if (!text) {
            EXPECT_GT(table.Widths['A'], 0);
        }
    }
}
