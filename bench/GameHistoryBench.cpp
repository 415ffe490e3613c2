// Undo over a whole game: 81 entries (the givens erased and typed again would be refused, so a
// board of 81 holes is filled), then every one undone. It should be instant to a player: well
// under a millisecond for all 81.
#include "game/TGame.h"

#include <benchmark/benchmark.h>

namespace {

void BM_UndoWholeGameOf81Moves(benchmark::State& state) {
    TGame played;
    played.Restart(); // no deal: all 81 squares are open
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            played.EnterDigit(c, r, (c * 3 + r + (r - 1) / 3) % 9 + 1);
    for (auto _ : state) {
        state.PauseTiming();
        TGame game = played;
        state.ResumeTiming();
        while (game.CanUndo())
            game.Undo();
        benchmark::DoNotOptimize(game.Board());
    }
}
BENCHMARK(BM_UndoWholeGameOf81Moves)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
