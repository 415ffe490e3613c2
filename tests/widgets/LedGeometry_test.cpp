#include "widgets/BorderControl.h"
#include "widgets/LedGeometry.h"

#include <gtest/gtest.h>

TEST(LedGeometry, DotSizeFollowsTheClientHeight) {
    // 30 / 7.6 = 3.9, truncated.
    const TLedGeometry tall = LedGeometryFor(30);
    EXPECT_EQ(tall.DotSize, 3);
    EXPECT_EQ(tall.DotGap, 0);
    EXPECT_EQ(tall.DotPitch, 3);
    EXPECT_EQ(tall.CellWidth, 18);
    EXPECT_EQ(tall.CellHeight, 21);

    // 76 / 7.6 is exactly 10 and must not come out as 9.999...
    const TLedGeometry big = LedGeometryFor(76);
    EXPECT_EQ(big.DotSize, 10);
    EXPECT_EQ(big.DotGap, 1);
    EXPECT_EQ(big.DotPitch, 11);
    EXPECT_EQ(big.CellWidth, 66);
    EXPECT_EQ(big.CellHeight, 76);

    EXPECT_EQ(LedGeometryFor(75).DotSize, 9);
    EXPECT_EQ(LedGeometryFor(75).DotGap, 0);
    EXPECT_EQ(LedGeometryFor(24).DotSize, 3);
    EXPECT_EQ(LedGeometryFor(152).DotSize, 20);
    EXPECT_EQ(LedGeometryFor(152).DotGap, 2);
}

TEST(LedGeometry, DotSizeIsAtLeastOne) {
    EXPECT_EQ(LedGeometryFor(8).DotSize, 1);
    EXPECT_EQ(LedGeometryFor(7).DotSize, 1);
    EXPECT_EQ(LedGeometryFor(0).DotSize, 1);
    EXPECT_EQ(LedGeometryFor(-5).DotSize, 1);
    EXPECT_EQ(LedGeometryFor(0).CellWidth, 6);
}

TEST(LedGeometry, ScrollLimitCountsCaptionCellsAndControlWidth) {
    EXPECT_EQ(LedScrollLimit(6, 18, 125), 6 * 18 + 125);
    EXPECT_EQ(LedScrollLimit(0, 18, 125), 125);
}

TEST(BorderControl, EachFrameStyleTakesItsWidthOnTheNamedSides) {
    EXPECT_EQ(FrameStyleWidth(fsNone), 0);
    EXPECT_EQ(FrameStyleWidth(fsFlat), 1);
    for (TFrameStyle s : {fsGroove, fsBump, fsLowered, fsRaised, fsButton})
        EXPECT_EQ(FrameStyleWidth(s), 2) << s;

    // The game's clock: 125 x 28 with a grooved outer border on all sides.
    TBorderSettings groove;
    groove.Outer = fsGroove;
    EXPECT_EQ(BorderClientRect({125, 28}, groove), QRect(2, 2, 121, 24));

    TBorderSettings none;
    EXPECT_EQ(BorderClientRect({100, 30}, none), QRect(0, 0, 100, 30));

    // Border width on every side, then both frames on the named sides only.
    TBorderSettings mixed;
    mixed.Outer = fsRaised;
    mixed.Inner = fsFlat;
    mixed.Width = 4;
    mixed.Sides = TBorderSides(sdLeft | sdBottom);
    EXPECT_EQ(BorderMargins(mixed), QMargins(7, 4, 4, 7));
    EXPECT_EQ(BorderClientRect({100, 50}, mixed), QRect(7, 4, 89, 39));
}

TEST(BorderControl, ClientAreaNeverGetsNegative) {
    TBorderSettings thick;
    thick.Outer = fsButton;
    thick.Width = 20;
    const QRect r = BorderClientRect({30, 10}, thick);
    EXPECT_EQ(r.width(), 0);
    EXPECT_EQ(r.height(), 0);
    EXPECT_TRUE(r.isEmpty());
}
