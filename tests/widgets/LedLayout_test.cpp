#include "TestFiles.h"
#include "widgets/LedLayout.h"

#include <gtest/gtest.h>

// Where the cells of a panel go, one line a scene in the golden file: the cells' top, then each
// cell's left edge and character (background cells first), "[127]" for a code outside print.
TEST(LedLayout, CellsOfEachSceneAreWhereTheGoldenFileSays) {
    // Text, alignment, scrolling, scroll type and position, client width and height.
    const std::pair<const char*, TLedScene> rows[] = {
        {"left over a full row of spaces", {" 12:34", taLeftJustify, false, stNone, 0, 121, 24, {}}},
        {"right, drawn from the last character", {"12", taRightJustify, false, stNone, 0, 121, 24, {}}},
        {"centred, truncated toward zero", {"12", taCenter, false, stNone, 0, 121, 24, {}}},
        {"centred wider than the panel", {"ABCDEFGH", taCenter, false, stNone, 0, 121, 24, {}}},
        {"control characters as the block", {"a\tb\x1f", taLeftJustify, false, stNone, 0, 121, 24, {}}},
        {"too low for a dot row", {"12", taLeftJustify, false, stNone, 0, 121, 7, {}}},
        {"just high enough", {"12", taLeftJustify, false, stNone, 0, 121, 8, {}}},
        {"no width", {"12", taLeftJustify, false, stNone, 0, 0, 24, {}}},
        {"entering from the right", {"AB", taRightJustify, true, stRightToLeft, 0, 121, 24, {}}},
        {"scrolled left by 9", {"AB", taRightJustify, true, stRightToLeft, 9, 121, 24, {}}},
        {"scrolling right, A left of the panel", {"AB", taRightJustify, true, stLeftToRight, 3, 121, 24, {}}},
        {"no scroll type: at the left", {"AB", taRightJustify, true, stNone, 30, 121, 24, {}}},
    };
    std::string layouts;
    for (auto [name, scene] : rows) {
        scene.Geometry = LedGeometryFor(scene.Height);
        layouts += std::string(name) + ": top " + std::to_string(LedCellTop(scene)) + ":";
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
    TLedScene s{std::string(5'000'000, 'x'), taRightJustify, false, stNone, 0, 121, 24, LedGeometryFor(24)};
    // Right-aligned: only the cells that show; centred: nothing beyond the right edge.
    const auto cells = LayoutLedCells(s);
    EXPECT_EQ(cells.size(), 7u + 7u);
    for (const TLedCell& c : cells)
        EXPECT_TRUE(c.Left > -18 && c.Left < 121) << c.Left;
    s.Alignment = taCenter;
    for (const TLedCell& c : LayoutLedCells(s))
        EXPECT_LT(c.Left, 121);
}
