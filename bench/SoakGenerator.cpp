// Deals every puzzle number from FIRST to LAST (default 1-200000) at each of the six hole windows
// and checks each deal; prints the time per window, the slowest number and every fault found.
// Exit status 1 when any deal is faulty.
//   generator_soak [FIRST [LAST]]
#include "SoakDealCheck.h"

#include "engine/Generator.h"
#include "engine/TGameState.h"
#include "engine/TRandomGenerator.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct TWindow {
    std::int32_t Min;
    std::int32_t Max;
};

// The level-button and start-up windows together.
constexpr TWindow Windows[] = {{25, 40}, {35, 45}, {35, 48}, {48, 81}, {48, 52}, {52, 81}};

using TClock = std::chrono::steady_clock;

// A long soak reports how far it got, so a stopped run still tells something.
constexpr std::int32_t ProgressEvery = 20000;

struct TWindowRun {
    double Seconds = 0;
    double SlowestSeconds = 0;
    std::int32_t SlowestNumber = 0;
    long Faults = 0;
};

TWindowRun Soak(const TWindow& window, std::int32_t first, std::int32_t last) {
    TWindowRun run;
    const auto start = TClock::now();
    for (std::int32_t n = first; n <= last; ++n) {
        TGameState state;
        state.MinHoles = window.Min;
        state.MaxHoles = window.Max;
        TRandomGenerator random;
        const auto dealStart = TClock::now();
        const bool dealt = SelectPuzzle(state, random, n);
        const double seconds = std::chrono::duration<double>(TClock::now() - dealStart).count();
        if (seconds > run.SlowestSeconds) {
            run.SlowestSeconds = seconds;
            run.SlowestNumber = n;
        }
        const std::string fault = dealt ? DealFault(state) : "nothing was dealt";
        if ((n - first + 1) % ProgressEvery == 0) {
            std::printf("  window %d-%d: %d numbers dealt\n", window.Min, window.Max, n - first + 1);
            std::fflush(stdout);
        }
        if (!fault.empty()) {
            ++run.Faults;
            std::printf("FAULT puzzle %d window %d-%d: %s\n", n, window.Min, window.Max, fault.c_str());
        }
    }
    run.Seconds = std::chrono::duration<double>(TClock::now() - start).count();
    return run;
}

} // namespace

int main(int argc, char** argv) {
    const std::int32_t first = argc > 1 ? static_cast<std::int32_t>(std::atol(argv[1])) : 1;
    const std::int32_t last = argc > 2 ? static_cast<std::int32_t>(std::atol(argv[2])) : 200000;
    if (first < 1 || last < first) {
        std::fprintf(stderr, "usage: generator_soak [FIRST [LAST]] with 1 <= FIRST <= LAST\n");
        return 2;
    }
    const long count = static_cast<long>(last) - first + 1;
    std::printf("puzzles %d-%d (%ld numbers) at each of %zu windows\n", first, last, count,
                std::size(Windows));
    long faults = 0;
    double total = 0;
    double slowest = 0;
    std::int32_t slowestNumber = 0;
    TWindow slowestWindow{};
    for (const TWindow& window : Windows) {
        const TWindowRun run = Soak(window, first, last);
        std::printf("window %2d-%2d: %8.1f s, %8.0f deals/s, slowest puzzle %d in %.4f s, %ld faults\n",
                    window.Min, window.Max, run.Seconds, count / run.Seconds, run.SlowestNumber,
                    run.SlowestSeconds, run.Faults);
        std::fflush(stdout);
        faults += run.Faults;
        total += run.Seconds;
        if (run.SlowestSeconds > slowest) {
            slowest = run.SlowestSeconds;
            slowestNumber = run.SlowestNumber;
            slowestWindow = window;
        }
    }
    std::printf("total: %ld deals in %.1f s; slowest puzzle %d at window %d-%d in %.4f s; %ld faults\n",
                count * static_cast<long>(std::size(Windows)), total, slowestNumber, slowestWindow.Min,
                slowestWindow.Max, slowest, faults);
    return faults == 0 ? 0 : 1;
}
