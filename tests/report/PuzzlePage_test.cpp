// The puzzle page recorded with the real font service and played back.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "game/PuzzlePage.h"

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
    ASSERT_EQ(Play(W.MemoryBytes(), R), "");
    EXPECT_TRUE(test::MatchesGoldenFile(R.Text(), REPORT_TEST_DATA "/puzzle-page-played.txt"));
    ASSERT_EQ(R.Graphics.size(), 1u);
    EXPECT_EQ(R.Graphics[0].ToBitmap(), Board);
}
