#include "engine/Hint.h"
#include "engine/MessageTexts.h"
#include "engine/Progress.h"

#include "TestBoards.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

TBoard DealtPuzzleOne() {
    TBoard board = BoardFromRows(PuzzleOneEasyRows);
    MarkGivens(board);
    return board;
}

TBoard With(TBoard board, std::int32_t c, std::int32_t r, TCell cell) {
    board[c][r] = cell;
    return board;
}

// The board with a player's wrong digit (one more than the solution's, 9 wrapping to 1) in each square.
TBoard WithWrong(TBoard board, std::initializer_list<std::pair<int, int>> squares) {
    for (const auto& [c, r] : squares)
        board[c][r] = {SolvedGrid()[c][r].Value % 9 + 1, false};
    return board;
}

// A board with the given counts of givens and entries, all correct, column-major from (1, 1).
TBoard BoardWithCounts(std::int32_t givens, std::int32_t entries) {
    TBoard board{};
    for (std::int32_t i = 0; i < givens + entries; ++i)
        board[i / 9 + 1][i % 9 + 1] = {SolvedGrid()[i / 9 + 1][i % 9 + 1].Value, i < givens};
    return board;
}

} // namespace

// Check reports the wrong square a hint marks; otherwise a hint writes a single, or nothing.
TEST(HintTest, CheckAndHintOfEachBoard) {
    const TBoard dealt = DealtPuzzleOne();
    const TBoard threeWrong = WithWrong(dealt, {{2, 2}, {7, 1}, {7, 2}});
    const struct {
        const char* Name;
        TBoard Board;
        THintKind Hint;
        TSquareDigit Square; // the wrong square or the single
    } rows[] = {
        {"puzzle 1 as dealt", dealt, THintKind::hkSingle, {4, 3, 9}},
        {"a correct entry", With(dealt, 4, 3, {9, false}), THintKind::hkSingle, {1, 3, 3}},
        {"topmost wrong of the rightmost column", threeWrong, THintKind::hkWrongEntry, {7, 1, 1}},
        {"a given that disagrees", With(dealt, 1, 1, {9, true}), THintKind::hkWrongEntry, {1, 1, 9}},
        {"full with one wrong square", WithWrong(SolvedGrid(), {{6, 6}}), THintKind::hkWrongEntry, {6, 6, 9}},
        {"solved", SolvedGrid(), THintKind::hkNothingToDo, {}},
        {"nothing wrong but no single", With(TBoard{}, 1, 1, {1, false}), THintKind::hkNoCandidate, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        const bool wrongEntry = row.Hint == THintKind::hkWrongEntry;
        TSquareDigit wrong;
        EXPECT_EQ(CheckEntries(row.Board, SolvedGrid(), wrong), !wrongEntry);
        EXPECT_EQ(wrong, wrongEntry ? row.Square : TSquareDigit{}) << "left alone when all is correct";
        TBoard board = row.Board, expected = row.Board;
        const HintResult hint = GiveHint(board, SolvedGrid());
        EXPECT_EQ(hint.Kind, row.Hint);
        EXPECT_EQ(hint.Square, row.Square);
        if (row.Hint == THintKind::hkSingle)
            expected[row.Square.Col][row.Square.Row] = {row.Square.Digit, false};
        EXPECT_EQ(board, expected);
    }
}

TEST(ProgressTest, PercentageRoundsExactHalvesToEven) {
    EXPECT_EQ(ProgressPercentage(0, 0), 100);
    // Every possible count; an exact half is exact in a double too, and nearbyint takes it to even.
    for (std::int32_t fillable = 1; fillable <= 81; ++fillable)
        for (std::int32_t entries = 0; entries <= fillable; ++entries)
            EXPECT_EQ(ProgressPercentage(entries, fillable), std::nearbyint(100.0 * entries / fillable))
                << entries << "/" << fillable;
}

TEST(ProgressTest, CountsAndVerdicts) {
    TBoard allGiven = SolvedGrid();
    MarkGivens(allGiven);
    const struct {
        const char* Name;
        TBoard Board;
        std::array<std::int32_t, 4> Counts; // givens, entries, to go, percentage
        TVerdict Verdict;
    } rows[] = {
        {"half", BoardWithCounts(43, 19), {43, 19, 19, 50}, TVerdict::vdNone},
        {"rounded", BoardWithCounts(41, 23), {41, 23, 17, 58}, TVerdict::vdNone},
        {"all given", allGiven, {81, 0, 0, 100}, TVerdict::vdSolved},
        {"full but wrong",
         WithWrong(BoardWithCounts(40, 41), {{9, 9}}),
         {40, 41, 0, 100},
         TVerdict::vdFullButWrong},
        {"boxes are not checked", LatinSquareWithBadBoxes(), {0, 81, 0, 100}, TVerdict::vdSolved},
        {"a Given flag without a digit counts as neither",
         With(TBoard{}, 1, 1, {0, true}),
         {0, 0, 81, 0},
         TVerdict::vdNone},
    };
    for (const auto& row : rows) {
        const ProgressCounts counts = CountProgress(row.Board);
        EXPECT_EQ((std::array{counts.Givens, counts.Entries, counts.ToGo, counts.Percentage}), row.Counts)
            << row.Name;
        EXPECT_EQ(CompletionVerdict(row.Board, counts), row.Verdict) << row.Name;
    }
}

TEST(MessageTextsTest, ExactTextsThatNeverOverflow) {
    std::string texts;
    for (const TMessageText& text :
         {WrongDigitText(7), OnlyPossibleText(9), OkSoFarText(), ProgressText(19, 0),
          PuzzleNumberText(-2147483647 - 1), PuzzleNumberText(2147483647), SolvedText(), FullButWrongText(),
          FinishedText()})
        texts += "\"" + std::string(text.CStr()) + "\"\n";
    EXPECT_TRUE(test::MatchesGoldenFile(texts, ENGINE_TEST_DATA "/messages.txt"));

    TMessageText text;
    for (int i = 0; i < 20; ++i)
        text.Append("0123456789").Append(-123);
    EXPECT_EQ(text.Size(), TMessageText::Capacity);
    EXPECT_EQ(std::string_view(text.CStr()).size(), TMessageText::Capacity);
}
