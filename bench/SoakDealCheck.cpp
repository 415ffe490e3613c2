#include "SoakDealCheck.h"

#include "engine/Solver.h"

#include <cstdint>

namespace {

// Each of the nine units (given as a way to read its k-th square) holds 1-9 once.
template <class Square> bool UnitComplete(Square square) {
    std::uint32_t seen = 0;
    for (int k = 0; k < 9; ++k) {
        const std::int32_t v = square(k);
        if (v < 1 || v > 9 || (seen & (1u << v)) != 0) return false;
        seen |= 1u << v;
    }
    return true;
}

bool ValidGrid(const TBoard& b) {
    for (int u = 0; u < 9; ++u) {
        const bool column = UnitComplete([&](int k) { return b[u + 1][k + 1].Value; });
        const bool row = UnitComplete([&](int k) { return b[k + 1][u + 1].Value; });
        const bool box =
            UnitComplete([&](int k) { return b[(u % 3) * 3 + k % 3 + 1][(u / 3) * 3 + k / 3 + 1].Value; });
        if (!column || !row || !box) return false;
    }
    return true;
}

} // namespace

std::string DealFault(const TGameState& state) {
    if (!ValidGrid(state.Solution)) return "the solution is not a valid grid";
    int holes = 0;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const TCell& cell = state.Board[c][r];
            if (cell.Value == 0) {
                ++holes;
                if (cell.Given) return "an empty square is marked given";
            } else if (!cell.Given || cell.Value != state.Solution[c][r].Value) {
                return "a dealt square is not a given of the solution";
            }
            if (state.Puzzle[c][r].Value != cell.Value) return "the dealt board differs from the puzzle";
        }
    }
    if (holes != state.Holes) return "the hole count does not match the board";
    if (holes < state.MinHoles || holes > state.MaxHoles) return "the holes lie outside the window";
    TBoard work = state.Board;
    for (auto& column : work)
        for (TCell& cell : column)
            cell.Given = false;
    if (!SolveBySingles(work)) return "single candidates do not finish the puzzle";
    for (int c = 1; c <= 9; ++c)
        for (int r = 1; r <= 9; ++r)
            if (work[c][r].Value != state.Solution[c][r].Value)
                return "single candidates finish to another grid";
    return "";
}
