// The preview's zoom and page arithmetic.
#include "report/qt/PreviewZoom.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

// The preview window's zoom steps (+, -, a typed 500) are tested in PreviewForm_test.
TEST(PreviewZoom, RequestsAreClassifiedAndClamped) {
    for (const auto& [request, kind] : {std::pair{-1.9, zrFitWidth},
                                        {-5.0, zrFitWidth},
                                        {-1.89, zrFitPage},
                                        {0.0, zrFitPage},
                                        {0.5, zrFactor}})
        EXPECT_EQ(ClassifyZoom(request), kind) << request;
    EXPECT_EQ(ClampZoom(5), 10);
    EXPECT_EQ(ClampZoom(73.5), 73.5);
    EXPECT_EQ(ZoomOutValue(10, 10), 10); // would reach 0: unchanged
    EXPECT_EQ(ZoomOutValue(15, 10), 5);  // the setter then clamps it to 10
}

// Fit page, fit width and the margin at zoom 100 for named geometries (client sizes include the 4
// pixels of frame; a page too tall to fit keeps its scroll bar, whose width then is not available).
TEST(PreviewZoom, FitPageFitWidthAndMargin) {
    const auto G = [](int cw, int ch, int xdpi = 96, int ydpi = 96, double w = 8.5, double h = 11,
                      TMarginMethod method = mmFixed, double margin = 0, int scrollBar = 0) {
        return TPreviewGeometry{xdpi, ydpi, w, h, method, margin, cw, ch, scrollBar};
    };
    std::ostringstream out;
    for (const auto& [name, g] : {
             std::pair{"letter fits exactly", G(820, 1060)},
             {"height decides", G(820, 532)},
             {"fixed margin 10 %", G(820, 5000, 96, 96, 8.5, 11, mmFixed, 10)},
             {"scaled margin, width decides", G(1204, 10004, 100, 50, 8, 10, mmScaled, 25)},
             {"scaled margin, height decides", G(1204, 454, 100, 50, 8, 10, mmScaled, 25)},
             {"scroll bar stays", G(820, 500, 100, 100, 8, 10, mmFixed, 0, 16)},
             {"416 / 800, page 520 high: still scrolls", G(436, 500, 100, 100, 8, 10, mmFixed, 0, 16)},
             {"page fits: the bar's width is used too", G(436, 2000, 100, 100, 8, 10, mmFixed, 0, 16)},
             {"no page width", G(2, 2, 96, 96, 0)},
             {"tiny client: still a drawable zoom", G(2, 2)},
         })
        out << name << ": page " << FitPageZoom(g) << ", width " << FitWidthZoom(g) << ", margin "
            << PreviewMargin(g, 100) << "\n";
    EXPECT_TRUE(test::MatchesGoldenFile(out.str(), PRINTING_TEST_DATA "/preview-zoom.txt"));
    EXPECT_EQ(PreviewMargin(G(0, 0, 100, 50, 8, 10, mmScaled, 25), 50), 100); // the margin follows the zoom
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
