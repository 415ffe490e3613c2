#include "TestFiles.h"
#include "widgets/LedLayout.h"

#include <gtest/gtest.h>

namespace {

TLedScene Panel(std::string text, TAlignment alignment, int width = 121, int height = 24) {
    TLedScene s;
    s.Text = std::move(text);
    s.Alignment = alignment;
    s.Width = width;
    s.Height = height;
    s.Geometry = LedGeometryFor(height);
    return s;
}

} // namespace

// Where the cells of a panel go, one line a scene in the golden file: the cells' top, then each
// cell's left edge and character (background cells first), "[127]" for a code outside print.
TEST(LedLayout, CellsOfEachSceneAreWhereTheGoldenFileSays) {
    const struct {
        const char* Name;
        TLedScene Scene;
        bool Scrolling;
        TScrollType ScrollType;
        int ScrollPos;
    } rows[] = {
        {"left over a full row of spaces", Panel(" 12:34", taLeftJustify), false, stNone, 0},
        {"right, drawn from the last character", Panel("12", taRightJustify), false, stNone, 0},
        {"centred, truncated toward zero", Panel("12", taCenter), false, stNone, 0},
        {"centred wider than the panel", Panel("ABCDEFGH", taCenter), false, stNone, 0},
        {"control characters as the block", Panel("a\tb\x1f", taLeftJustify), false, stNone, 0},
        {"too low for a dot row", Panel("12", taLeftJustify, 121, 7), false, stNone, 0},
        {"just high enough", Panel("12", taLeftJustify, 121, 8), false, stNone, 0},
        {"no width", Panel("12", taLeftJustify, 0, 24), false, stNone, 0},
        {"entering from the right", Panel("AB", taRightJustify), true, stRightToLeft, 0},
        {"scrolled left by 9", Panel("AB", taRightJustify), true, stRightToLeft, 9},
        {"scrolling right, A wholly left of the panel", Panel("AB", taRightJustify), true, stLeftToRight, 3},
        {"scrolling without a type stands at the left", Panel("AB", taRightJustify), true, stNone, 30},
    };
    std::string layouts;
    for (const auto& row : rows) {
        TLedScene scene = row.Scene;
        scene.Scrolling = row.Scrolling;
        scene.ScrollType = row.ScrollType;
        scene.ScrollPos = row.ScrollPos;
        layouts += std::string(row.Name) + ": top " + std::to_string(LedCellTop(scene)) + ":";
        for (const TLedCell& cell : LayoutLedCells(scene)) {
            const bool printable = cell.Ch >= 32 && cell.Ch < 127;
            layouts += " " + std::to_string(cell.Left) + "[" +
                       (printable ? std::string(1, static_cast<char>(cell.Ch)) : std::to_string(cell.Ch)) +
                       "]";
        }
        layouts += "\n";
    }
    EXPECT_TRUE(test::MatchesGoldenFile(layouts, WIDGETS_TEST_DATA "/led-layouts.txt"));
}

TEST(LedLayout, VeryLongCaptionsListOnlyVisibleCellsWithoutOverflow) {
    TLedScene s = Panel(std::string(5'000'000, 'x'), taRightJustify);
    auto cells = LayoutLedCells(s);
    EXPECT_EQ(cells.size(), 7u + 7u);
    for (const TLedCell& c : cells) {
        EXPECT_GT(c.Left, -18);
        EXPECT_LT(c.Left, 121);
    }
    s.Alignment = taCenter;
    cells = LayoutLedCells(s);
    for (const TLedCell& c : cells)
        EXPECT_LT(c.Left, 121);
}
