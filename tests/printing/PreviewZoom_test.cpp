#include "report/qt/PreviewZoom.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PreviewZoom, RequestsAreClassifiedAndClamped) {
    for (const auto& [request, kind] : {std::pair{-1.9, zrFitWidth},
                                        {-5.0, zrFitWidth},
                                        {-1.89, zrFitPage},
                                        {0.0, zrFitPage},
                                        {0.5, zrFactor}})
        EXPECT_EQ(ClassifyZoom(request), kind) << request;
    EXPECT_EQ(ClampZoom(500), 200);
    EXPECT_EQ(ClampZoom(5), 10);
    EXPECT_EQ(ClampZoom(73.5), 73.5);
    EXPECT_EQ(ZoomInValue(100, 10), 110);
    EXPECT_EQ(ZoomOutValue(100, 10), 90);
    EXPECT_EQ(ZoomOutValue(10, 10), 10); // would reach 0: unchanged
    EXPECT_EQ(ZoomOutValue(15, 10), 5);  // the setter then clamps it to 10
}

// Fit page and fit width for named geometries; NAN where a row does not check that zoom.
TEST(PreviewZoom, FitPageAndFitWidth) {
    struct Row {
        const char* Name;
        TPreviewGeometry G;
        double FitPage, FitWidth;
    };
    const auto Geometry = [](int xdpi, int ydpi, double w, double h, int cw, int ch,
                             TMarginMethod method = mmFixed, double margin = 0, int scrollBar = 0) {
        return TPreviewGeometry{xdpi, ydpi, w, h, method, margin, cw, ch, scrollBar};
    };
    for (const Row& r : {
             // Client minus 4: 816 / 816 = 1 across, 1056 / 1056 = 1 down.
             Row{"letter fits exactly", Geometry(96, 96, 8.5, 11, 820, 1060), 100, NAN},
             Row{"height decides", Geometry(96, 96, 8.5, 11, 820, 532), 50, NAN},
             // m = round(96 * 8.5 * 0.1) = 82 on each side.
             Row{"fixed margin", Geometry(96, 96, 8.5, 11, 820, 5000, mmFixed, 10), 100.0 * (816 - 164) / 816,
                 NAN},
             // width: 1200 / (800 * 1.5) = 1; height: 10000 / (800 * 0.5 + 500) = 11.1
             Row{"scaled margin, width decides", Geometry(100, 50, 8, 10, 1204, 10004, mmScaled, 25), 100,
                 NAN},
             Row{"scaled margin, height decides", Geometry(100, 50, 8, 10, 1204, 454, mmScaled, 25), 50, NAN},
             // Too tall to fit: the scroll bar stays and takes its width.
             Row{"scroll bar stays", Geometry(100, 100, 8, 10, 820, 500, mmFixed, 0, 16), NAN, 100},
             Row{"416 / 800, page 520 high: still scrolls",
                 Geometry(100, 100, 8, 10, 436, 500, mmFixed, 0, 16), NAN, 52},
             Row{"page fits: the bar's width is used too",
                 Geometry(100, 100, 8, 10, 436, 2000, mmFixed, 0, 16), NAN, 54},
             Row{"no page width", Geometry(96, 96, 0, 11, 2, 2), 100, NAN},
         }) {
        if (!std::isnan(r.FitPage)) {
            EXPECT_DOUBLE_EQ(FitPageZoom(r.G), r.FitPage) << r.Name;
        }
        if (!std::isnan(r.FitWidth)) {
            EXPECT_DOUBLE_EQ(FitWidthZoom(r.G), r.FitWidth) << r.Name;
        }
    }
    const TPreviewGeometry tiny = Geometry(96, 96, 8.5, 11, 2, 2); // still a drawable zoom
    EXPECT_GT(FitPageZoom(tiny), 0);
    EXPECT_GT(FitWidthZoom(tiny), 0);
    const TPreviewGeometry scaled = Geometry(100, 50, 8, 10, 0, 0, mmScaled, 25);
    EXPECT_EQ(PreviewMargin(scaled, 100), 200);
    EXPECT_EQ(PreviewMargin(scaled, 50), 100);
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
