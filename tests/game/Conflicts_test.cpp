// Conflict highlighting by the rules alone.
#include "game/Conflicts.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TPlaced {
    int Col, Row, Digit;
};

TEST(Conflicts, EveryClashingSquareAndNoOtherIsMarked) {
    const struct {
        const char* Name;
        std::vector<TPlaced> Digits;
        std::vector<TPlaced> Clashing; // Digit unused
    } rows[] = {
        {"empty board", {}, {}},
        {"same digit in a column", {{2, 1, 5}, {2, 9, 5}}, {{2, 1, 0}, {2, 9, 0}}},
        {"same digit in a row", {{1, 4, 7}, {8, 4, 7}, {8, 5, 1}}, {{1, 4, 0}, {8, 4, 0}}},
        {"same digit in a box only", {{4, 4, 3}, {6, 6, 3}}, {{4, 4, 0}, {6, 6, 0}}},
        {"different digits never clash", {{1, 1, 1}, {1, 2, 2}, {2, 1, 3}}, {}},
        {"three of a kind", {{1, 1, 9}, {5, 1, 9}, {1, 7, 9}}, {{1, 1, 0}, {5, 1, 0}, {1, 7, 0}}},
    };
    for (const auto& row : rows) {
        TBoard board{};
        for (const TPlaced& p : row.Digits)
            board[p.Col][p.Row] = {p.Digit, false};
        const TConflicts conflicts = FindConflicts(board);
        EXPECT_EQ(conflicts.Count(), row.Clashing.size()) << row.Name;
        for (const TPlaced& p : row.Clashing)
            EXPECT_TRUE(conflicts.At(p.Col, p.Row)) << row.Name << " " << p.Col << "," << p.Row;
    }
}

} // namespace
