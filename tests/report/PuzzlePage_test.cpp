// The puzzle page recorded with the real font service and played back.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "game/PuzzlePage.h"
#include "report/PageConverter.h"
#include "report/ReportStream.h"

namespace {

std::vector<uint8_t> RecordPuzzlePage(const platform::RgbBitmap& Board, int32_t Number,
                                      TAccuracyMethod Method) {
    TNDRWriter W;
    W.SetAccuracyMethod(Method);
    W.OnPrint = [&](TBaseReport& R) { PrintPuzzlePage(R, Board, Number); };
    W.Execute();
    return W.MemoryBytes();
}

platform::RgbBitmap Board() {
    platform::RgbBitmap B(399, 399);
    for (int Y = 0; Y < 399; Y += 44)
        for (int X = 0; X < 399; ++X)
            B.SetPixel(X, Y, {0, 0, 0});
    return B;
}

} // namespace

TEST(PuzzlePage, RoundTripGivesOnePageWithTheHeaderAndTheBoard) {
    const platform::RgbBitmap Picture = Board();
    const auto Bytes = RecordPuzzlePage(Picture, 2147483647, amAppearance);
    TRecordingRender R;
    TByteViewStream In(Bytes.data(), Bytes.size());
    TPageConverter C(In, R);
    C.Generate(0);
    EXPECT_EQ(R.Matching("PageBegin").size(), 1u);
    EXPECT_EQ(R.Matching("LeftText"),
              std::vector<std::string>{"LeftText 'Sudoku Puzzle Number 2147483647 Courtesy of " +
                                       std::string(VelmoraSite) + "' 0.5 0.5"});
    EXPECT_EQ(R.Matching("BitmapRect"),
              std::vector<std::string>{"BitmapRect 0.6000000238 0.6000000238 6.599999905 6.599999905"});
    ASSERT_EQ(R.Bitmaps.size(), 1u);
    EXPECT_EQ(R.Bitmaps[0].ToBitmap(), Picture);
    ASSERT_FALSE(R.Fonts.empty());
    EXPECT_EQ(R.Fonts.back().Name, "Arial");
    EXPECT_EQ(R.Fonts.back().Size, 12);
    EXPECT_EQ(R.Fonts.back().Color, 0);
}

TEST(PuzzlePage, PositioningModeRecordsTheHeaderWithItsMeasuredWidth) {
    const auto Bytes = RecordPuzzlePage(Board(), 1, amPositioning);
    TRecordingRender R;
    EXPECT_EQ(Play(Bytes, R), "");
    const auto Block = R.Matching("BlockText");
    ASSERT_EQ(Block.size(), 1u);
    // Liberation Sans 12 pt: the header is a few inches wide, well inside the page.
    const double Width = std::stod(Block[0].substr(Block[0].rfind(' ') + 1));
    EXPECT_GT(Width, 3.0);
    EXPECT_LT(Width, 5.5);
}
