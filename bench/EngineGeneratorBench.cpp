// How long dealing one numbered puzzle takes, per hole window. Targets on the reference machine:
// median under 100 microseconds at every window, and no number among the first 10,000 slower than 5 ms.
// Counters: median_us and slowest_us over the numbers dealt, slowest_number the number that took longest.
#include "engine/Generator.h"
#include "engine/HoleWindows.h"
#include "engine/SinglesSolvability.h"
#include "engine/Solver.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <vector>

namespace {

THoleWindow WindowOf(std::int64_t level, bool startup) {
    return startup ? StartupWindow(static_cast<std::int32_t>(level)) : LevelWindow(static_cast<std::int32_t>(level));
}

// Deals numbers 1..count once each and reports the median and the slowest deal.
void DealNumbers(benchmark::State& state, bool startup) {
    const THoleWindow window = WindowOf(state.range(0), startup);
    const auto count = static_cast<std::int32_t>(state.range(1));
    std::vector<double> micros(static_cast<std::size_t>(count));
    std::int32_t slowestNumber = 0;
    for (auto _ : state) {
        for (std::int32_t number = 1; number <= count; ++number) {
            TGameState game;
            game.MinHoles = window.MinHoles;
            game.MaxHoles = window.MaxHoles;
            TRandomGenerator random;
            const auto start = std::chrono::steady_clock::now();
            SelectPuzzle(game, random, number);
            const auto stop = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(game.Puzzle);
            micros[static_cast<std::size_t>(number - 1)] =
                std::chrono::duration<double, std::micro>(stop - start).count();
        }
        const auto slowest = std::max_element(micros.begin(), micros.end());
        slowestNumber = static_cast<std::int32_t>(slowest - micros.begin()) + 1;
    }
    std::vector<double> sorted = micros;
    std::nth_element(sorted.begin(), sorted.begin() + count / 2, sorted.end());
    state.counters["median_us"] = sorted[static_cast<std::size_t>(count / 2)];
    state.counters["slowest_us"] = *std::max_element(micros.begin(), micros.end());
    state.counters["slowest_number"] = slowestNumber;
    state.counters["min_holes"] = window.MinHoles;
    state.counters["max_holes"] = window.MaxHoles;
}

void BM_DealLevelWindow(benchmark::State& state) { DealNumbers(state, false); }
void BM_DealStartupWindow(benchmark::State& state) { DealNumbers(state, true); }

BENCHMARK(BM_DealLevelWindow)->ArgsProduct({{1, 2, 3, 4}, {10000}})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DealStartupWindow)->ArgsProduct({{2, 3}, {10000}})->Iterations(1)->Unit(benchmark::kMillisecond);

// The solvability test on its own, against the plain solver, on a freshly dealt Medium puzzle.
TBoard DealtMedium() {
    TGameState game;
    game.MinHoles = 35;
    game.MaxHoles = 48;
    TRandomGenerator random;
    SelectPuzzle(game, random, 1);
    return game.Puzzle;
}

void BM_SolvableBySingles(benchmark::State& state) {
    const TBoard puzzle = DealtMedium();
    for (auto _ : state) benchmark::DoNotOptimize(SolvableBySingles(puzzle));
}
BENCHMARK(BM_SolvableBySingles);

void BM_SolveBySinglesPlain(benchmark::State& state) {
    const TBoard puzzle = DealtMedium();
    for (auto _ : state) {
        TBoard scratch = puzzle;
        benchmark::DoNotOptimize(SolveBySingles(scratch));
    }
}
BENCHMARK(BM_SolveBySinglesPlain);

} // namespace

BENCHMARK_MAIN();
