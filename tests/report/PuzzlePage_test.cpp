// The puzzle page recorded with the real font service and played back.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "game/PuzzlePage.h"
#include "report/PageConverter.h"
#include "report/ReportStream.h"

TEST(PuzzlePage, RoundTripGivesOnePageWithTheHeaderAndTheBoard) {
    platform::RgbBitmap Board(399, 399);
    for (int Y = 0; Y < 399; Y += 44)
        for (int X = 0; X < 399; ++X)
            Board.SetPixel(X, Y, {0, 0, 0});
    TNDRWriter W;
    W.SetAccuracyMethod(amAppearance);
    W.OnPrint = [&](TBaseReport& Surface) { PrintPuzzlePage(Surface, Board, 2147483647); };
    W.Execute();
    TRecordingRender R;
    TByteViewStream In(W.MemoryBytes().data(), W.MemoryBytes().size());
    TPageConverter(In, R).Generate(0);
    EXPECT_EQ(R.Matching({"PageBegin", "LeftText", "BitmapRect"}),
              (std::vector<std::string>{"PageBegin 8.5x11",
                                        "LeftText 'Sudoku Puzzle Number 2147483647 Courtesy of " +
                                            std::string(VelmoraSite) + "' 0.5 0.5",
                                        "BitmapRect 0.6000000238 0.6000000238 6.599999905 6.599999905"}));
    ASSERT_EQ(R.Bitmaps.size(), 1u);
    EXPECT_EQ(R.Bitmaps[0].ToBitmap(), Board);
    const TReportFont& Font = R.Fonts.back();
    EXPECT_TRUE(Font.Name == "Arial" && Font.Size == 12 && Font.Color == 0);
}
