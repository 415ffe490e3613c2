#include "engine/SinglesSolvability.h"

#include "engine/Solver.h"

#include <bit>

namespace {

struct TSquareUnits {
    std::uint8_t Col; // 0-8
    std::uint8_t Row; // 0-8
    std::uint8_t Box; // 0-8
};

constexpr std::array<TSquareUnits, 81> MakeUnits() {
    std::array<TSquareUnits, 81> units{};
    for (int s = 0; s < 81; ++s) {
        const int c = s / 9, r = s % 9;
        units[static_cast<std::size_t>(s)] = {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(r),
                                              static_cast<std::uint8_t>(c / 3 + (r / 3) * 3)};
    }
    return units;
}

constexpr std::array<TSquareUnits, 81> Units = MakeUnits();
constexpr std::uint32_t AllDigitsMask = 0x3FE; // bits 1-9

} // namespace

bool TSinglesBoard::Load(const TBoard& board) {
    *this = TSinglesBoard{};
    for (std::int32_t c = 1; c <= 9; ++c) {
        for (std::int32_t r = 1; r <= 9; ++r) {
            const std::int32_t value = board[c][r].Value;
            const std::int32_t square = (c - 1) * 9 + (r - 1);
            if (value < 0 || value > 9) return false;
            if (value == 0) {
                EmptySquares[static_cast<std::size_t>(Empties++)] = static_cast<std::uint8_t>(square);
                continue;
            }
            const TSquareUnits& u = Units[static_cast<std::size_t>(square)];
            const auto bit = static_cast<std::uint16_t>(1u << value);
            if ((ColMask[u.Col] & bit) != 0 || (RowMask[u.Row] & bit) != 0) RepeatInLine = true;
            if ((BoxMask[u.Box] & bit) != 0) RepeatInBox = true;
            Place(square, value);
        }
    }
    return true;
}

void TSinglesBoard::Place(std::int32_t square, std::int32_t digit) {
    const TSquareUnits& u = Units[static_cast<std::size_t>(square)];
    const auto bit = static_cast<std::uint16_t>(1u << digit);
    ColMask[u.Col] |= bit;
    RowMask[u.Row] |= bit;
    BoxMask[u.Box] |= bit;
}

void TSinglesBoard::Remove(std::int32_t square, std::int32_t digit) {
    const TSquareUnits& u = Units[static_cast<std::size_t>(square)];
    const auto keep = static_cast<std::uint16_t>(~(1u << digit));
    ColMask[u.Col] &= keep;
    RowMask[u.Row] &= keep;
    BoxMask[u.Box] &= keep;
    EmptySquares[static_cast<std::size_t>(Empties++)] = static_cast<std::uint8_t>(square);
}

std::uint32_t TSinglesBoard::CandidateMask(std::int32_t square) const {
    const TSquareUnits& u = Units[static_cast<std::size_t>(square)];
    return ~static_cast<std::uint32_t>(ColMask[u.Col] | RowMask[u.Row] | BoxMask[u.Box]) & AllDigitsMask;
}

bool TSinglesBoard::FillBySingles(std::int32_t stopSquare) {
    while (Empties > 0) {
        bool placed = false;
        for (std::int32_t k = 0; k < Empties;) {
            const std::int32_t square = EmptySquares[static_cast<std::size_t>(k)];
            const std::uint32_t mask = CandidateMask(square);
            if (mask == 0) return false; // a dead square never gets a candidate back
            if (std::has_single_bit(mask)) {
                Place(square, std::countr_zero(mask));
                if (square == stopSquare) return true;
                EmptySquares[static_cast<std::size_t>(k)] = EmptySquares[static_cast<std::size_t>(--Empties)];
                placed = true;
            } else {
                ++k;
            }
        }
        if (!placed) return false;
    }
    // Placed digits never repeat in a line, so only a repeat among the original digits can
    // keep the full board from counting as solved.
    return !RepeatInLine;
}

bool SolvableBySingles(const TBoard& board) {
    TSinglesBoard singles;
    if (!singles.Load(board)) {
        // Values outside 0-9 only come from damaged input; the plain solver handles them exactly.
        TBoard scratch = board;
        return SolveBySingles(scratch);
    }
    if (singles.EmptyCount() == 0) return false; // the solver answers false on a full board
    if (singles.HasRepeatInLine()) return false;  // never solved, whatever gets placed
    return singles.FillBySingles();
}
