// The solution of a loaded game's givens. A saved game stores no solution, so it is worked out
// again: single candidates first (what every dealt puzzle needs), then a complete search for
// givens that singles cannot finish.
#pragma once

#include "engine/Board.h"

#include <cstdint>

class TSolutionSearch {
  public:
    // Bounds the work on hostile givens; a search that exceeds it finds nothing. The hardest
    // known puzzles need far fewer steps; the bound keeps a hostile file's Load well under a second.
    static constexpr std::int64_t DefaultStepLimit = 200'000;

    explicit TSolutionSearch(std::int64_t stepLimit = DefaultStepLimit) : StepLimit(stepLimit) {}

    // Fills Grid (which holds the givens' values, 0 elsewhere) with the first solution in
    // column-major digit order that respects rows, columns and boxes. Returns false, leaving Grid
    // as it was, when the givens repeat a digit in a unit, hold a value outside 0-9 or have no
    // solution within the step limit. Given flags are not touched.
    bool Solve(TBoard& grid);

    // The search steps the last Solve took (0 when singles or the givens settled it).
    std::int64_t StepsTaken() const { return Steps; }

  private:
    bool Search();
    void Place(int square, int digit);
    void Remove(int square, int digit);
    std::uint16_t Candidates(int square) const;

    std::int64_t StepLimit;
    std::int64_t Steps = 0;
    int Values[81]{};
    std::uint16_t ColUsed[9]{};
    std::uint16_t RowUsed[9]{};
    std::uint16_t BoxUsed[9]{};
};
