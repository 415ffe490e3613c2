#include "engine/Hint.h"
#include "engine/MessageTexts.h"
#include "engine/Progress.h"

#include "TestBoards.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

namespace {

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

std::string Text(const TSquareDigit& square) {
    return std::to_string(square.Col) + "," + std::to_string(square.Row) + " " + std::to_string(square.Digit);
}

} // namespace

// What Check reports (the wrong square a hint marks, left alone when all is right), what a hint
// does (marks that square, writes a single, or nothing), the counts and the verdict, of each board.
TEST(HintTest, CheckHintCountsAndVerdictOfEachBoard) {
    TBoard dealt = BoardFromRows(PuzzleOneEasyRows), allGiven = SolvedGrid();
    MarkGivens(dealt);
    MarkGivens(allGiven);
    const std::pair<const char*, TBoard> rows[] = {
        {"puzzle 1 as dealt", dealt},
        {"a correct entry", With(dealt, 4, 3, {9, false})},
        {"three wrong entries", WithWrong(dealt, {{2, 2}, {7, 1}, {7, 2}})},
        {"a given that disagrees", With(dealt, 1, 1, {9, true})},
        {"full with one wrong square", WithWrong(SolvedGrid(), {{6, 6}})},
        {"solved", SolvedGrid()},
        {"all given", allGiven},
        {"boxes are not checked", LatinSquareWithBadBoxes()},
        {"nothing wrong but no single", With(TBoard{}, 1, 1, {1, false})},
        {"a Given flag without a digit counts as neither", With(TBoard{}, 1, 1, {0, true})},
    };
    const char* const hints[] = {"nothing to do", "wrong entry", "single", "no candidate"};
    const char* const verdicts[] = {"none", "solved", "full but wrong"};
    std::string record;
    for (const auto& [name, board] : rows) {
        TSquareDigit wrong;
        const bool right = CheckEntries(board, SolvedGrid(), wrong);
        TBoard hinted = board, expected = board;
        const HintResult hint = GiveHint(hinted, SolvedGrid());
        if (hint.Kind == THintKind::hkSingle)
            expected[hint.Square.Col][hint.Square.Row] = {hint.Square.Digit, false};
        EXPECT_EQ(hinted, expected) << name << ": a hint writes its single only";
        const ProgressCounts n = CountProgress(board);
        record += std::string(name) + ": check " + (right ? "right " : "wrong ") + Text(wrong) + "; hint " +
                  hints[static_cast<int>(hint.Kind)] + " " + Text(hint.Square) + "; givens " +
                  std::to_string(n.Givens) + ", entries " + std::to_string(n.Entries) + ", to go " +
                  std::to_string(n.ToGo) + ", " + std::to_string(n.Percentage) + "%; verdict " +
                  verdicts[static_cast<int>(CompletionVerdict(board, n))] + "\n";
    }
    EXPECT_TRUE(test::MatchesGoldenFile(record, ENGINE_TEST_DATA "/boards.txt"));
}

TEST(ProgressTest, PercentageRoundsExactHalvesToEven) {
    EXPECT_EQ(ProgressPercentage(0, 0), 100);
    // Every possible count; an exact half is exact in a double too, and nearbyint takes it to even.
    for (std::int32_t fillable = 1; fillable <= 81; ++fillable)
        for (std::int32_t entries = 0; entries <= fillable; ++entries)
            EXPECT_EQ(ProgressPercentage(entries, fillable), std::nearbyint(100.0 * entries / fillable))
                << entries << "/" << fillable;
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
