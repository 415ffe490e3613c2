// The grid filling for processors with AVX2, where almost all of a puzzle's time goes.
//
// Each attempt of the placement loop draws a column and a row, so the attempts form one stream
// that does not depend on the grid: attempt j of a grid lies 2j draws after the grid's start. The
// stream is computed ahead in blocks of 32 attempts (eight generator jumps side by side), each
// attempt kept as its box square (column offset * 3 + row offset) in one byte.
//
// A placement then looks for the first attempt from the current one whose square is free, which a
// byte shuffle answers for 32 attempts at once. The three boxes of a column band are looked up
// together in a window of the next 64 attempts: the second box may not use the first box's
// column and the third neither column, so their searches only need the column of the earlier hit,
// which bit masks of the window give without waiting for memory. A band that does not fit the
// window, or meets a box with no free square, is done box by box.
#pragma once

#include "engine/Board.h"
#include "engine/TRandomGenerator.h"

#include <array>
#include <cstdint>

class TBandFiller {
  public:
    // True when this processor can run Fill.
    static bool Available();

    // Runs grid attempts from random's state until one completes; writes it to solution (all 81
    // squares, no flags) and leaves random where the plain loop would. Needs Available().
    void Fill(TBoard& solution, TRandomGenerator& random);

  private:
    static constexpr std::int32_t Attempts = 100; // per box
    static constexpr std::int32_t Window = 64;    // attempts a band is looked up in
    static constexpr std::int32_t Block = 32;     // attempts computed together
    static constexpr std::int32_t Ahead = 128;    // attempts computed beyond a window's end
    // One grid never uses more than 81 boxes of 100 attempts; the stream restarts with each grid.
    static constexpr std::int32_t Capacity = (81 * Attempts + Window + Ahead + Block) / Block * Block;

    // Square per attempt; only [0, Generated) is ever read.
    alignas(32) std::uint8_t Squares[Capacity];
    std::uint32_t BlockSeed[Capacity / Block]; // the seed before each block
    std::uint32_t NextSeed = 0;                // the seed before attempt Generated
    std::int32_t Generated = 0;
    std::array<std::uint8_t, 81> Placed{}; // square per digit - 1 and box (band + 3 * row band)

    void Restart(std::uint32_t seed);
    void GenerateUpTo(std::int32_t attempts);
    std::uint32_t SeedAt(std::int32_t attempt) const;

    // The first attempt from `next` hitting free, with next moved past it; -1 with next moved past
    // all 100 attempts when none does.
    std::int32_t Search(std::uint32_t free, std::int32_t& next);
    // Puts digit d (0-8) on square of box (band + 3 * row band): no longer empty, its row taken.
    // Record writes it down in Placed.
    template <bool Record>
    void Place(std::int32_t d, std::int32_t box, std::uint32_t square, std::array<std::uint32_t, 9>& boxEmpty,
               std::uint32_t& rowsTaken);
    // Places digit d in the boxes of band bx from row band firstBy on, one box at a time from
    // attempt next: the attempt after the band, or after the grid when it is abandoned.
    struct TBandEnd {
        std::int32_t Next;
        bool Complete;
    };
    template <bool Record>
    TBandEnd BandByBoxes(std::int32_t d, std::int32_t bx, std::int32_t firstBy, std::uint32_t columnsTaken,
                         std::array<std::uint32_t, 9>& boxEmpty, std::array<std::uint32_t, 3>& rowsTaken,
                         std::int32_t next);
    // One grid from the start of the stream; end is the attempt after the grid.
    template <bool Record> bool TryGrid(std::int32_t& end);
};
