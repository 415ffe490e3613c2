#include "widgets/LedLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

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

std::vector<int> Lefts(const std::vector<TLedCell>& cells, std::size_t from, std::size_t count) {
    std::vector<int> lefts;
    for (std::size_t i = from; i < from + count && i < cells.size(); ++i)
        lefts.push_back(cells[i].Left);
    return lefts;
}

} // namespace

TEST(LedLayout, LeftAlignedTextStartsAtTheLeftEdgeOverAFullRowOfSpaces) {
    const TLedScene s = Panel(" 12:34", taLeftJustify);
    EXPECT_EQ(LedCellTop(s), 1);
    const auto cells = LayoutLedCells(s);
    ASSERT_EQ(cells.size(), 7u + 6u); // seven background cells (the last partly visible), six characters
    EXPECT_EQ(Lefts(cells, 0, 7), (std::vector<int>{0, 18, 36, 54, 72, 90, 108}));
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(cells[i].Ch, ' ');
    EXPECT_EQ(Lefts(cells, 7, 6), (std::vector<int>{0, 18, 36, 54, 72, 90}));
    EXPECT_EQ(std::string(1, static_cast<char>(cells[9].Ch)), "2");
}

TEST(LedLayout, RightAlignedTextEndsAtTheRightEdge) {
    const auto cells = LayoutLedCells(Panel("12", taRightJustify));
    // background from W - 18 = 103 downwards while x > -18
    EXPECT_EQ(Lefts(cells, 0, 7), (std::vector<int>{103, 85, 67, 49, 31, 13, -5}));
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells[7].Left, 103);
    EXPECT_EQ(cells[7].Ch, '2'); // drawn from the last character backwards
    EXPECT_EQ(cells[8].Left, 85);
    EXPECT_EQ(cells[8].Ch, '1');
}

TEST(LedLayout, CentredTextAndItsBackgroundTruncateTowardZero) {
    // (121 - 36) / 2 = 42; background from 42 mod 18 - 18 = -12.
    auto cells = LayoutLedCells(Panel("12", taCenter));
    EXPECT_EQ(cells.front().Left, -12);
    EXPECT_EQ(cells[cells.size() - 2].Left, 42);
    EXPECT_EQ(cells.back().Left, 60);

    // Wider than the panel: (121 - 144) / 2 = -11 (not -12), background from -11 - 18 = -29.
    cells = LayoutLedCells(Panel("ABCDEFGH", taCenter));
    EXPECT_EQ(cells.front().Left, -29);
    auto text = std::find_if(cells.begin(), cells.end(), [](const TLedCell& c) { return c.Ch == 'A'; });
    ASSERT_NE(text, cells.end());
    EXPECT_EQ(text->Left, -11);
}

TEST(LedLayout, ControlCharactersAreDrawnAsTheBlock) {
    const auto cells = LayoutLedCells(Panel("a\tb\x1f", taLeftJustify));
    ASSERT_EQ(cells.size(), 7u + 4u);
    EXPECT_EQ(cells[8].Ch, 127);
    EXPECT_EQ(cells[10].Ch, 127);
    EXPECT_EQ(cells[7].Ch, 'a');
}

TEST(LedLayout, LowOrEmptyPanelsDrawNothing) {
    EXPECT_TRUE(LayoutLedCells(Panel("12", taLeftJustify, 121, 7)).empty());
    EXPECT_TRUE(LayoutLedCells(Panel("12", taLeftJustify, 0, 24)).empty());
    EXPECT_FALSE(LayoutLedCells(Panel("12", taLeftJustify, 121, 8)).empty());
}

TEST(LedLayout, ScrollingPlacesTheTextByScrollPosWhateverTheAlignment) {
    TLedScene s = Panel("AB", taRightJustify);
    s.Scrolling = true;
    s.ScrollType = stRightToLeft;
    s.ScrollPos = 0;
    auto cells = LayoutLedCells(s);
    // Background as for left alignment; the text enters at 121 div 3 * 3 = 120, its second cell unseen.
    EXPECT_EQ(cells.front().Left, 0);
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells.back().Left, 120);
    s.ScrollPos = 9;
    cells = LayoutLedCells(s);
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells.back().Left, 120 - 9);
    EXPECT_EQ(cells.back().Ch, 'A');

    s.ScrollType = stLeftToRight;
    s.ScrollPos = 3;
    cells = LayoutLedCells(s);
    // "A" at 3 - 36 lies wholly left of the panel; "B" shows in part.
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells[7].Left, 3 - 18);
    EXPECT_EQ(cells[7].Ch, 'B');

    // stNone scrolls nothing: the text stands at the left edge.
    s.ScrollType = stNone;
    s.ScrollPos = 30;
    cells = LayoutLedCells(s);
    EXPECT_EQ(cells[7].Left, 0);
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
