#include "widgets/BorderControl.h"
#include "widgets/LedGeometry.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(LedGeometry, DotSizesFollowTheClientHeight) {
    struct Row {
        const char* Name;
        int ClientHeight;
        TLedGeometry Expected; // size, gap, pitch, cell width, cell height
    };
    const Row rows[] = {
        {"the game's clock: 24 / 7.6 truncated", 24, {3, 0, 3, 18, 21}},
        {"30 / 7.6 = 3.9 truncated", 30, {3, 0, 3, 18, 21}},
        {"just below a gap", 75, {9, 0, 9, 54, 63}},
        {"76 / 7.6 is exactly 10, not 9.999", 76, {10, 1, 11, 66, 76}},
        {"twice that", 152, {20, 2, 22, 132, 152}},
        {"too low for a dot still draws one", 7, {1, 0, 1, 6, 7}},
        {"no height", 0, {1, 0, 1, 6, 7}},
        {"negative height", -5, {1, 0, 1, 6, 7}},
    };
    for (const Row& row : rows) {
        const auto fields = [](const TLedGeometry& g) {
            return std::tuple(g.DotSize, g.DotGap, g.DotPitch, g.CellWidth, g.CellHeight);
        };
        EXPECT_EQ(fields(LedGeometryFor(row.ClientHeight)), fields(row.Expected)) << row.Name;
    }
}

// Mixed: a border width on every side, both frames on the named sides only.
TEST(BorderControl, ClientAreaLiesInsideTheFramesOnTheNamedSides) {
    const struct {
        const char* Name;
        TBorderSettings Border;
        QSize Control;
        QRect Client;
    } rows[] = {
        {"the game's clock", {.Outer = fsGroove}, {125, 28}, {2, 2, 121, 24}},
        {"no border", {}, {100, 30}, {0, 0, 100, 30}},
        {"mixed frames on two sides",
         {.Outer = fsRaised, .Inner = fsFlat, .Width = 4, .Sides = TBorderSides(sdLeft | sdBottom)},
         {100, 50},
         {7, 4, 89, 39}},
        {"border wider than the control", {.Outer = fsButton, .Width = 20}, {30, 10}, {22, 22, 0, 0}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BorderClientRect(row.Control, row.Border), row.Client) << row.Name;
}
