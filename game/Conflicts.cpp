#include "game/Conflicts.h"

#include <array>

namespace {

// Marks every square of one unit whose digit occurs there more than once. Squares lists the
// unit's nine (column, row) pairs.
void MarkUnit(const TBoard& board, const std::array<std::array<std::int32_t, 2>, 9>& squares,
              TConflicts& conflicts) {
    std::array<int, 10> seen{};
    for (const auto& [c, r] : squares) {
        const std::int32_t v = board[c][r].Value;
        if (v >= 1 && v <= 9) ++seen[static_cast<std::size_t>(v)];
    }
    for (const auto& [c, r] : squares) {
        const std::int32_t v = board[c][r].Value;
        if (v >= 1 && v <= 9 && seen[static_cast<std::size_t>(v)] > 1) conflicts.Set(c, r);
    }
}

} // namespace

TConflicts FindConflicts(const TBoard& board) {
    TConflicts conflicts;
    std::array<std::array<std::int32_t, 2>, 9> unit{};
    for (std::int32_t k = 1; k <= 9; ++k) {
        for (std::int32_t i = 0; i < 9; ++i)
            unit[static_cast<std::size_t>(i)] = {k, i + 1}; // column k
        MarkUnit(board, unit, conflicts);
        for (std::int32_t i = 0; i < 9; ++i)
            unit[static_cast<std::size_t>(i)] = {i + 1, k}; // row k
        MarkUnit(board, unit, conflicts);
        const std::int32_t left = (k - 1) % 3 * 3 + 1;
        const std::int32_t top = (k - 1) / 3 * 3 + 1;
        for (std::int32_t i = 0; i < 9; ++i)
            unit[static_cast<std::size_t>(i)] = {left + i % 3, top + i / 3}; // box k
        MarkUnit(board, unit, conflicts);
    }
    return conflicts;
}
