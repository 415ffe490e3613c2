// The fast form of FillSolution's placement loop. It makes exactly the draws the plain loop makes
// and places the same digits; it only avoids the work whose outcome is already known:
// - a box where no square can take the digit fails all 100 attempts, so their 200 draws are
//   skipped in one step;
// - the squares free for a digit are kept as bit masks, so an attempt is one bit test;
// - attempts are computed four at a time from independent jumps of the seed.
// Processors with AVX2 use the band filler instead (TBandFiller.h); this form serves the others.
#pragma once

#include "engine/Board.h"
#include "engine/TRandomGenerator.h"

#include <array>
#include <cstdint>

class TGridFiller {
  public:
    // Runs grid attempts from random's state until one completes; writes it to solution (all 81
    // squares, no flags) and leaves random where the plain loop would. Uses the band filler where
    // the processor can run it.
    static void Fill(TBoard& solution, TRandomGenerator& random);

    // The same without the band filler, on any processor.
    void FillPortable(TBoard& solution, TRandomGenerator& random);

    // The square (column offset * 3 + row offset) of the first of at most 100 attempts that hits a
    // free square (bits as in FreeSquares), with seed advanced past that attempt's draws; -1, with
    // seed past all 200 draws, when none does.
    static std::int32_t FirstHit(std::uint32_t free, std::uint32_t& seed);

  private:
    // One grid attempt from seed; true when all 81 placements succeeded.
    bool TryGrid(std::uint32_t& seed);

    // Squares of box (bands bx, by, 0-2) still free for digit d, as bits (column offset * 3 + row offset).
    std::uint32_t FreeSquares(std::int32_t d, std::int32_t bx, std::int32_t by) const;

    std::array<std::uint8_t, 81> Values{};       // square (c, r) at (c - 1) * 9 + (r - 1)
    std::array<std::uint16_t, 9> BoxEmpty{};     // per box, its empty squares as above
    std::array<std::uint16_t, 10> ColumnsWith{}; // per digit, bit c - 1 for each column holding it
    std::array<std::uint16_t, 10> RowsWith{};    // per digit, bit r - 1 for each row holding it
};
