// Squares whose digit clashes with the same digit elsewhere in their row, column or box. Only the
// rules are consulted, never the solution, so the highlight cannot give the answer away.
#pragma once

#include "engine/Board.h"

#include <bitset>
#include <cstdint>

class TConflicts {
  public:
    bool At(std::int32_t c, std::int32_t r) const { return Squares[Index(c, r)]; }
    void Set(std::int32_t c, std::int32_t r) { Squares.set(Index(c, r)); }
    bool None() const { return Squares.none(); }
    std::size_t Count() const { return Squares.count(); }

  private:
    static std::size_t Index(std::int32_t c, std::int32_t r) {
        return static_cast<std::size_t>((c - 1) * 9 + (r - 1));
    }
    std::bitset<81> Squares;
};

TConflicts FindConflicts(const TBoard& board);
