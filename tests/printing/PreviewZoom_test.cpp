// The preview's zoom and page arithmetic.
#include "report/qt/PreviewZoom.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

// The preview window's steps (+, -, a typed 500, pages past the end) are tested in PreviewForm_test,
// the sizes drawn at a zoom in RenderPreview_test.
TEST(PreviewZoom, RequestsStepsAndPixels) {
    for (const auto& [name, value, expected] :
         {std::tuple{"-1.9 fits the width", double(ClassifyZoom(-1.9)), double(zrFitWidth)},
          {"-1.89 fits the page", double(ClassifyZoom(-1.89)), double(zrFitPage)},
          {"zoom 5 is 10", ClampZoom(5), 10.0},
          {"zoom out that would reach 0 stays", ZoomOutValue(10, 10), 10.0},
          {"6 in at zoom 100",
           double(PreviewInchToPixel(100, 96, 6.6, 0) - PreviewInchToPixel(100, 96, 0.6, 0)), 576.0},
          {"1 in at zoom 50 after a margin of 10", double(PreviewInchToPixel(50, 96, 1, 10)), 58.0},
          {"a step of 5 pages from page 1 of 3 stops at 3", double(NextPage(1, 5, 3)), 3.0},
          {"page 0 of 3 is page 1", double(ClampPage(0, 3)), 1.0},
          {"no pages: page 1", double(ClampPage(5, 0)), 1.0}})
        EXPECT_EQ(value, expected) << name;
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
