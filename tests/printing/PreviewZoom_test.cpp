#include "report/qt/PreviewZoom.h"

#include <gtest/gtest.h>

TEST(PreviewZoom, RequestsAreClassifiedAndClamped) {
    EXPECT_EQ(ClassifyZoom(-1.9), zrFitWidth);
    EXPECT_EQ(ClassifyZoom(-5), zrFitWidth);
    EXPECT_EQ(ClassifyZoom(-1.89), zrFitPage);
    EXPECT_EQ(ClassifyZoom(0), zrFitPage);
    EXPECT_EQ(ClassifyZoom(0.5), zrFactor);
    EXPECT_EQ(ClampZoom(500), 200);
    EXPECT_EQ(ClampZoom(5), 10);
    EXPECT_EQ(ClampZoom(73.5), 73.5);
}

TEST(PreviewZoom, ZoomOutNeverReachesZero) {
    EXPECT_EQ(ZoomInValue(100, 10), 110);
    EXPECT_EQ(ZoomOutValue(100, 10), 90);
    EXPECT_EQ(ZoomOutValue(10, 10), 10); // would reach 0: unchanged
    EXPECT_EQ(ZoomOutValue(15, 10), 5);  // the setter then clamps it to 10
}

TEST(PreviewZoom, FitPageWithFixedMargin) {
    TPreviewGeometry g;
    g.XDPI = g.YDPI = 96;
    g.PageWidth = 8.5;
    g.PageHeight = 11;
    g.ClientWidth = 820;
    g.ClientHeight = 1060;
    // Client minus 4: 816 / 816 = 1 across, 1056 / 1056 = 1 down.
    EXPECT_DOUBLE_EQ(FitPageZoom(g), 100);
    g.ClientHeight = 532; // 528 / 1056 = 0.5 decides
    EXPECT_DOUBLE_EQ(FitPageZoom(g), 50);
    g.MarginPercent = 10; // m = round(96 * 8.5 * 0.1) = 82
    g.ClientHeight = 5000;
    EXPECT_DOUBLE_EQ(FitPageZoom(g), 100.0 * (816 - 164) / 816);
}

TEST(PreviewZoom, FitPageWithScaledMargin) {
    TPreviewGeometry g;
    g.XDPI = 100;
    g.YDPI = 50;
    g.PageWidth = 8;
    g.PageHeight = 10;
    g.MarginMethod = mmScaled;
    g.MarginPercent = 25;
    g.ClientWidth = 1204;
    g.ClientHeight = 10004;
    // width: 1200 / (800 * 1.5) = 1; height: 10000 / (800 * 0.5 + 500) = 11.1
    EXPECT_DOUBLE_EQ(FitPageZoom(g), 100);
    g.ClientHeight = 454; // 450 / 900 = 0.5
    EXPECT_DOUBLE_EQ(FitPageZoom(g), 50);
    EXPECT_EQ(PreviewMargin(g, 100), 200);
    EXPECT_EQ(PreviewMargin(g, 50), 100);
}

TEST(PreviewZoom, FitWidthUsesScrollBarSpaceOnlyWhenThePageFitsVertically) {
    TPreviewGeometry g;
    g.XDPI = g.YDPI = 100;
    g.PageWidth = 8;
    g.PageHeight = 10;
    g.ClientWidth = 820;
    g.ClientHeight = 500;
    g.ScrollBarWidth = 16;
    // Too tall to fit: the scroll bar stays and takes its width.
    EXPECT_DOUBLE_EQ(FitWidthZoom(g), 100.0 * 800 / 800);
    g.ClientWidth = 436; // 416 / 800 -> 52 %, page 520 high: still scrolls
    EXPECT_DOUBLE_EQ(FitWidthZoom(g), 52);
    g.ClientHeight = 2000; // the page fits: the scroll bar's width is used too
    EXPECT_DOUBLE_EQ(FitWidthZoom(g), 54);
}

TEST(PreviewZoom, TinyOrBrokenGeometryStillGivesADrawableZoom) {
    TPreviewGeometry g;
    g.ClientWidth = 2;
    g.ClientHeight = 2;
    EXPECT_GT(FitPageZoom(g), 0);
    EXPECT_GT(FitWidthZoom(g), 0);
    g.PageWidth = 0;
    EXPECT_EQ(FitPageZoom(g), 100);
}

TEST(PreviewZoom, InchesToPixelsAndPageSteps) {
    // The 6 in board at zoom 100 is 6 x XDPI pixels wide.
    EXPECT_EQ(PreviewInchToPixel(100, 96, 6.6, 0) - PreviewInchToPixel(100, 96, 0.6, 0), 6 * 96);
    EXPECT_EQ(PreviewInchToPixel(50, 96, 1, 10), 58);
    EXPECT_EQ(NextPage(1, 1, 3), 2);
    EXPECT_EQ(NextPage(3, 1, 3), 3);
    EXPECT_EQ(NextPage(1, 5, 3), 3);
    EXPECT_EQ(PreviousPage(2, 5, 3), 1);
    EXPECT_EQ(ClampPage(0, 3), 1);
    EXPECT_EQ(ClampPage(9, 3), 3);
    EXPECT_EQ(ClampPage(5, 0), 1);
}
