// DrawBoard's cost: the whole board (81 squares, the grid, the digits) painted into the 399 x 399
// picture, as each pointer movement over the board does with highlighting on. It should stay well
// under a millisecond; a key press with every mark shown under 2 ms, and under 8 ms on a
// 1600 x 1600 board.
#include "QtBench.h"
#include "board/BoardPainter.h"
#include "game/TGame.h"

#include <QGuiApplication>

namespace {

TBoard DealtBoard() {
    TGame game;
    game.ApplySettings(TSettings{});
    game.DealFind("1");
    int entered = 0;
    for (int c = 1; c <= 9 && entered < 10; ++c)
        for (int r = 1; r <= 9 && entered < 10; ++r)
            if (game.Board()[c][r].Value == 0 &&
                !game.EnterDigit(c, r, game.State().Solution[c][r].Value).Empty())
                ++entered;
    return game.Board();
}

void BM_PaintBoardWithHighlighting(benchmark::State& state) {
    const TBoard board = DealtBoard();
    QImage image(BoardPixels, BoardPixels, QImage::Format_RGB32);
    TBoardView view;
    view.HiliteRowAndColumn = true;
    view.HiliteCell = true;
    int step = 0;
    for (auto _ : state) {
        view.HoverCol = step % 9 + 1;
        view.HoverRow = (step / 9) % 9 + 1;
        view.HoverBox = BoxOf(view.HoverCol, view.HoverRow);
        PaintBoard(image, board, view);
        benchmark::DoNotOptimize(image.constBits());
        ++step;
    }
}
BENCHMARK(BM_PaintBoardWithHighlighting)->Unit(benchmark::kMicrosecond);

void BM_DrawBoardImagePlain(benchmark::State& state) {
    const TBoard board = DealtBoard();
    for (auto _ : state) {
        QImage image = DrawBoardImage(board);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_DrawBoardImagePlain)->Unit(benchmark::kMicrosecond);

// A key press that moves the cursor or enters a digit redraws the whole board with everything a
// player can switch on; the argument is the picture's edge in device pixels.
void BM_KeyPressRedraw(benchmark::State& state) {
    const TBoard board = DealtBoard();
    TNotes notes;
    notes.FillCandidates(board);
    const TConflicts conflicts = FindConflicts(board);
    const int pixels = static_cast<int>(state.range(0));
    QImage image(pixels, pixels, QImage::Format_RGB32);
    TBoardView view;
    view.HiliteRowAndColumn = true;
    view.HiliteCell = true;
    view.Notes = &notes;
    view.Conflicts = conflicts;
    int step = 0;
    for (auto _ : state) {
        view.CursorCol = view.HoverCol = step % 9 + 1;
        view.CursorRow = view.HoverRow = (step / 9) % 9 + 1;
        view.HoverBox = BoxOf(view.HoverCol, view.HoverRow);
        view.SameDigit = board[view.CursorCol][view.CursorRow].Value;
        PaintBoard(image, board, view);
        benchmark::DoNotOptimize(image.constBits());
        ++step;
    }
}
BENCHMARK(BM_KeyPressRedraw)->Arg(BoardPixels)->Arg(1600)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
