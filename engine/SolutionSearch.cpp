#include "engine/SolutionSearch.h"

#include "engine/Solver.h"

#include <bit>

namespace {

constexpr std::uint16_t AllDigits = 0x3FE; // bits 1-9

int ColOf(int square) {
    return square / 9;
}
int RowOf(int square) {
    return square % 9;
}
int BoxIndex(int square) {
    return ColOf(square) / 3 + (RowOf(square) / 3) * 3;
}

} // namespace

std::uint16_t TSolutionSearch::Candidates(int square) const {
    return static_cast<std::uint16_t>(
        AllDigits & ~(ColUsed[ColOf(square)] | RowUsed[RowOf(square)] | BoxUsed[BoxIndex(square)]));
}

void TSolutionSearch::Place(int square, int digit) {
    const auto bit = static_cast<std::uint16_t>(1u << digit);
    Values[square] = digit;
    ColUsed[ColOf(square)] |= bit;
    RowUsed[RowOf(square)] |= bit;
    BoxUsed[BoxIndex(square)] |= bit;
}

void TSolutionSearch::Remove(int square, int digit) {
    const auto mask = static_cast<std::uint16_t>(~(1u << digit));
    Values[square] = 0;
    ColUsed[ColOf(square)] &= mask;
    RowUsed[RowOf(square)] &= mask;
    BoxUsed[BoxIndex(square)] &= mask;
}

// Depth first, always on the empty square with the fewest candidates (the first such square in
// column-major order), trying digits from 1 up.
bool TSolutionSearch::Search() {
    if (++Steps > StepLimit) return false;
    int best = -1;
    int bestCount = 10;
    // The digits each unit can still take, to stop at once where one has no square left: without
    // this, solvable givens can keep the search busy up to its bound. Only branches without a
    // solution are cut, so the solution found is the same. A square with a single candidate is
    // taken at once, and the units are checked where the search has to choose.
    std::uint16_t colCan[9]{};
    std::uint16_t rowCan[9]{};
    std::uint16_t boxCan[9]{};
    for (int square = 0; square < 81; ++square) {
        if (Values[square] != 0) continue;
        const std::uint16_t candidates = Candidates(square);
        const int count = std::popcount(candidates);
        if (count < bestCount) {
            best = square;
            bestCount = count;
            if (count <= 1) break;
        }
        colCan[ColOf(square)] |= candidates;
        rowCan[RowOf(square)] |= candidates;
        boxCan[BoxIndex(square)] |= candidates;
    }
    if (best < 0) return true;
    if (bestCount > 1)
        for (int unit = 0; unit < 9; ++unit)
            if ((ColUsed[unit] | colCan[unit]) != AllDigits || (RowUsed[unit] | rowCan[unit]) != AllDigits ||
                (BoxUsed[unit] | boxCan[unit]) != AllDigits)
                return false;
    std::uint16_t candidates = Candidates(best);
    while (candidates != 0) {
        const int digit = std::countr_zero(candidates);
        candidates = static_cast<std::uint16_t>(candidates & (candidates - 1));
        Place(best, digit);
        if (Search()) return true;
        Remove(best, digit);
        if (Steps > StepLimit) return false;
    }
    return false;
}

bool TSolutionSearch::Solve(TBoard& grid) {
    *this = TSolutionSearch(StepLimit);
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const int value = grid[c][r].Value;
            if (value < 0 || value > 9) return false;
            if (value == 0) continue;
            const int square = (c - 1) * 9 + (r - 1);
            if ((Candidates(square) & (1u << value)) == 0) return false; // a repeat among the givens
            Place(square, value);
        }
    }

    // Singles are forced, so placing them first never loses a solution; it only spares the search.
    TBoard singles = grid;
    SolveBySingles(singles);
    if (IsSolved(singles)) {
        grid = singles;
        return true;
    }

    if (!Search()) return false;
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            grid[c][r].Value = Values[(c - 1) * 9 + (r - 1)];
    return true;
}
