// The puzzle page recorded with the real font service and played back.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "game/PuzzlePage.h"
#include "report/PageConverter.h"
#include "report/ReportStream.h"

namespace {

void PlayPuzzlePage(TRecordingRender& R, const platform::RgbBitmap& Board, int32_t Number,
                    TAccuracyMethod Method) {
    TNDRWriter W;
    W.SetAccuracyMethod(Method);
    W.OnPrint = [&](TBaseReport& R) { PrintPuzzlePage(R, Board, Number); };
    W.Execute();
    TByteViewStream In(W.MemoryBytes().data(), W.MemoryBytes().size());
    TPageConverter(In, R).Generate(0);
}

} // namespace

TEST(PuzzlePage, RoundTripGivesOnePageWithTheHeaderAndTheBoard) {
    platform::RgbBitmap Board(399, 399);
    for (int Y = 0; Y < 399; Y += 44)
        for (int X = 0; X < 399; ++X)
            Board.SetPixel(X, Y, {0, 0, 0});
    TRecordingRender R, Positioned;
    PlayPuzzlePage(R, Board, 2147483647, amAppearance);
    EXPECT_EQ(R.Matching({"PageBegin", "LeftText", "BitmapRect"}),
              (std::vector<std::string>{"PageBegin 8.5x11",
                                        "LeftText 'Sudoku Puzzle Number 2147483647 Courtesy of " +
                                            std::string(VelmoraSite) + "' 0.5 0.5",
                                        "BitmapRect 0.6000000238 0.6000000238 6.599999905 6.599999905"}));
    ASSERT_EQ(R.Bitmaps.size(), 1u);
    EXPECT_EQ(R.Bitmaps[0].ToBitmap(), Board);
    const TReportFont& Font = R.Fonts.back();
    EXPECT_TRUE(Font.Name == "Arial" && Font.Size == 12 && Font.Color == 0);

    // Positioning mode records the header with its measured width: Liberation Sans 12 pt makes it
    // a few inches wide, well inside the page.
    PlayPuzzlePage(Positioned, Board, 1, amPositioning);
    const auto Block = Positioned.Matching({"BlockText"});
    ASSERT_EQ(Block.size(), 1u);
    const double Width = std::stod(Block[0].substr(Block[0].rfind(' ') + 1));
    EXPECT_GT(Width, 3.0);
    EXPECT_LT(Width, 5.5);
}
