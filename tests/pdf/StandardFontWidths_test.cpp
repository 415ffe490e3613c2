#include "pdf/StandardFontWidths.h"

#include <gtest/gtest.h>

#include <string>

using namespace pdf;

namespace {

const TFontWidths& Table(const char* name) {
    const TFontWidths* table = FindStandardFontWidths(name);
    EXPECT_NE(table, nullptr) << name;
    static const TFontWidths empty{};
    return table ? *table : empty;
}

bool IsFamily(std::string_view name, std::string_view family) {
    return name.substr(0, family.size()) == family;
}

} // namespace

TEST(StandardFontWidths, TellingEntriesMatchThePublishedMetrics) {
    EXPECT_EQ(Table("Helvetica")[' '], 278);
    EXPECT_EQ(Table("Helvetica")['A'], 667);
    EXPECT_EQ(Table("Helvetica")['a'], 556);
    EXPECT_EQ(Table("Helvetica")[64], 1015);
    EXPECT_EQ(Table("Helvetica-Bold")['A'], 722);
    EXPECT_EQ(Table("Times-Roman")['A'], 722);
    EXPECT_EQ(Table("Times-Roman")['a'], 444);
    EXPECT_EQ(Table("Times-Italic")['A'], 611);
    EXPECT_EQ(Table("Helvetica")[0x80], 556); // Euro sits at its WinAnsi code
    EXPECT_EQ(Table("Helvetica")[0xE9], 556); // eacute
}

TEST(StandardFontWidths, FourteenFontsFoundIgnoringCase) {
    EXPECT_EQ(StandardFontWidthTables.size(), 14u);
    EXPECT_NE(FindStandardFontWidths("helvetica-boldoblique"), nullptr);
    EXPECT_EQ(FindStandardFontWidths("Arial"), nullptr);
    EXPECT_EQ(FindStandardFontWidths("Helvetica-"), nullptr);
}

TEST(StandardFontWidths, ControlCodesAndUndefinedCodesFollowTheRules) {
    for (const auto& table : StandardFontWidthTables) {
        SCOPED_TRACE(std::string(table.BaseFont));
        for (int code = 1; code <= 31; ++code)
            EXPECT_EQ(table.Widths[code], 0) << code;
        const bool courier = IsFamily(table.BaseFont, "Courier");
        const bool helvetica = IsFamily(table.BaseFont, "Helvetica");
        const bool times = IsFamily(table.BaseFont, "Times");
        EXPECT_EQ(table.Widths[0], courier ? 600 : helvetica ? 278 : 250);
        if (courier) {
            for (int code = 32; code <= 255; ++code)
                EXPECT_EQ(table.Widths[code], 600) << code;
        }
        if (helvetica || times) {
            for (int code : {127, 129, 141, 143, 144, 157})
                EXPECT_EQ(table.Widths[code], 350) << code;
            for (int code = 32; code <= 255; ++code)
                EXPECT_NE(table.Widths[code], 0) << code;
        }
        if (!courier && !helvetica && !times) {
            for (int code = 127; code <= 160; ++code)
                EXPECT_EQ(table.Widths[code], 0) << code;
            EXPECT_EQ(table.Widths[240], 0);
            EXPECT_EQ(table.Widths[255], 0);
            EXPECT_GT(table.Widths['A'], 0);
        }
    }
}
