#include "engine/Hint.h"
#include "engine/MessageTexts.h"
#include "engine/Progress.h"

#include "TestBoards.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TBoard DealtPuzzleOne() {
    TBoard board = BoardFromRows(PuzzleOneEasyRows);
    MarkGivens(board);
    return board;
}

// Sets a wrong digit (one more than the solution's, 9 wrapping to 1) as a player's entry.
void EnterWrong(TBoard& board, std::int32_t c, std::int32_t r) {
    board[c][r].Value = SolvedGrid()[c][r].Value % 9 + 1;
    board[c][r].Given = false;
}

// A board with the given counts of givens and entries, all correct, column-major from (1, 1).
TBoard BoardWithCounts(std::int32_t givens, std::int32_t entries) {
    TBoard board{};
    const TBoard grid = SolvedGrid();
    std::int32_t index = 0;
    for (std::int32_t c = 1; c <= 9; ++c) {
        for (std::int32_t r = 1; r <= 9; ++r, ++index) {
            if (index < givens + entries) board[c][r] = {grid[c][r].Value, index < givens};
        }
    }
    return board;
}

} // namespace

TEST(CheckEntriesTest, ReportsTopmostWrongSquareOfRightmostColumn) {
    TBoard board = DealtPuzzleOne();
    EnterWrong(board, 2, 2);
    EnterWrong(board, 7, 1);
    EnterWrong(board, 7, 2);
    TSquareDigit wrong;
    EXPECT_FALSE(CheckEntries(board, SolvedGrid(), wrong));
    EXPECT_EQ(wrong, (TSquareDigit{7, 1, board[7][1].Value}));
}

TEST(CheckEntriesTest, CorrectEntriesAndEmptySquaresPass) {
    TBoard board = DealtPuzzleOne();
    board[4][3] = {9, false}; // a correct entry
    TSquareDigit wrong{1, 1, 1};
    EXPECT_TRUE(CheckEntries(board, SolvedGrid(), wrong));
    EXPECT_EQ(wrong, (TSquareDigit{1, 1, 1}));
    EXPECT_TRUE(CheckEntries(TBoard{}, SolvedGrid(), wrong));
    // A given that disagrees is wrong too.
    board[1][1].Value = 9;
    EXPECT_FALSE(CheckEntries(board, SolvedGrid(), wrong));
    EXPECT_EQ(wrong, (TSquareDigit{1, 1, 9}));
}

TEST(HintTest, EachOutcome) {
    TBoard board = DealtPuzzleOne();
    HintResult hint = GiveHint(board, SolvedGrid());
    EXPECT_EQ(hint.Kind, THintKind::hkSingle);
    EXPECT_EQ(hint.Square, (TSquareDigit{4, 3, 9}));
    EXPECT_EQ(board[4][3], (TCell{9, false}));

    EnterWrong(board, 3, 5);
    const TBoard withWrongEntry = board;
    hint = GiveHint(board, SolvedGrid());
    EXPECT_EQ(hint.Kind, THintKind::hkWrongEntry);
    EXPECT_EQ(hint.Square, (TSquareDigit{3, 5, withWrongEntry[3][5].Value}));
    EXPECT_EQ(board, withWrongEntry);

    TBoard solved = SolvedGrid();
    hint = GiveHint(solved, SolvedGrid());
    EXPECT_EQ(hint.Kind, THintKind::hkNothingToDo);
    EXPECT_EQ(solved, SolvedGrid());

    TBoard full = SolvedGrid(); // full with one wrong square: the square is reported
    EnterWrong(full, 6, 6);
    hint = GiveHint(full, SolvedGrid());
    EXPECT_EQ(hint.Kind, THintKind::hkWrongEntry);
    EXPECT_EQ(hint.Square.Col, 6);
    EXPECT_EQ(hint.Square.Row, 6);

    TBoard stuck{}; // nothing wrong, but no square has a single candidate
    stuck[1][1].Value = 1;
    const TBoard stuckBefore = stuck;
    hint = GiveHint(stuck, SolvedGrid());
    EXPECT_EQ(hint.Kind, THintKind::hkNoCandidate);
    EXPECT_EQ(stuck, stuckBefore);
}

TEST(ProgressTest, PercentageRoundsExactHalvesToEven) {
    EXPECT_EQ(ProgressPercentage(0, 0), 100);
    // Against exact rational rounding for every possible count.
    for (std::int32_t fillable = 1; fillable <= 81; ++fillable) {
        for (std::int32_t entries = 0; entries <= fillable; ++entries) {
            const std::int32_t twice = 200 * entries; // twice the exact value times fillable
            const std::int32_t below = twice / (2 * fillable);
            const std::int32_t excess = twice - below * 2 * fillable; // 0 .. 2 * fillable - 1
            const std::int32_t expected =
                excess > fillable || (excess == fillable && below % 2 == 1) ? below + 1 : below;
            EXPECT_EQ(ProgressPercentage(entries, fillable), expected) << entries << "/" << fillable;
        }
    }
}

TEST(ProgressTest, CountsAndVerdicts) {
    ProgressCounts counts = CountProgress(BoardWithCounts(43, 19));
    EXPECT_EQ(counts.Givens, 43);
    EXPECT_EQ(counts.Entries, 19);
    EXPECT_EQ(counts.ToGo, 19);
    EXPECT_EQ(counts.Percentage, 50);
    EXPECT_EQ(CompletionVerdict(BoardWithCounts(43, 19), counts), TVerdict::vdNone);

    counts = CountProgress(BoardWithCounts(41, 23));
    EXPECT_EQ(counts.Percentage, 58);

    TBoard allGiven = SolvedGrid();
    MarkGivens(allGiven);
    counts = CountProgress(allGiven);
    EXPECT_EQ(counts.Givens, 81);
    EXPECT_EQ(counts.Percentage, 100);
    EXPECT_EQ(CompletionVerdict(allGiven, counts), TVerdict::vdSolved);

    TBoard wrong = BoardWithCounts(40, 41);
    EnterWrong(wrong, 9, 9);
    counts = CountProgress(wrong);
    EXPECT_EQ(counts.ToGo, 0);
    EXPECT_EQ(CompletionVerdict(wrong, counts), TVerdict::vdFullButWrong);

    // Rows and columns distinct is enough, boxes are not checked.
    const TBoard latin = LatinSquareWithBadBoxes();
    EXPECT_EQ(CompletionVerdict(latin, CountProgress(latin)), TVerdict::vdSolved);

    // A square with a Given flag but no digit counts as neither.
    TBoard flagged{};
    flagged[1][1].Given = true;
    counts = CountProgress(flagged);
    EXPECT_EQ(counts.Givens, 0);
    EXPECT_EQ(counts.ToGo, 81);
}

TEST(MessageTextsTest, ExactTexts) {
    EXPECT_EQ(WrongDigitText(7).View(), "The number 7 does not belong here");
    EXPECT_EQ(OnlyPossibleText(9).View(), "The only possible number that can go here is 9");
    EXPECT_EQ(OkSoFarText().View(), "Ok so far...");
    EXPECT_EQ(ProgressText(19, 0).View(), "Progress: 19 so far, 0 to go ");
    EXPECT_EQ(PuzzleNumberText(-2147483647 - 1).View(), "Puzzle: -2147483648");
    EXPECT_EQ(PuzzleNumberText(2147483647).View(), "Puzzle: 2147483647");
    EXPECT_EQ(SolvedText().View(), "Puzzle Complete - Congratulations!");
    EXPECT_EQ(FullButWrongText().View(), "There are one or more squares wrong...");
    EXPECT_EQ(FinishedText().View(), "Puzzle Complete");
    EXPECT_EQ(std::string_view(FinishedText().CStr()), "Puzzle Complete");
}

TEST(MessageTextsTest, TextNeverOverflows) {
    TMessageText text;
    for (int i = 0; i < 20; ++i)
        text.Append("0123456789").Append(-123);
    EXPECT_EQ(text.Size(), TMessageText::Capacity);
    EXPECT_EQ(std::string_view(text.CStr()).size(), TMessageText::Capacity);
}
