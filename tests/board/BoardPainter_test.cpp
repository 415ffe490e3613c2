// The board picture: lines, tints and the mark as golden runs of pixel colours along chosen rows
// and columns (data/board-runs.txt); digits, notes, conflicts, cursor and pause by their ink.
#include "board/BoardPainter.h"

#include "TestFiles.h"

#include <QColor>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int Cell = BoardPixels / 9;

// The colours along a row (or a column) of pixels as runs, e.g. "B3 W41": B black, W white,
// R red, r row tint, b box tint, ? anything else.
std::string Runs(const QImage& image, bool row, int at) {
    // Black, white, red, the row tint and the box tint; their letters below.
    const QRgb colours[] = {0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFFFAE6FA, 0xFFFAFAC8};
    std::string letters; // one a pixel
    for (int i = 0; i < (row ? image.width() : image.height()); ++i) {
        const QRgb pixel = image.pixel(row ? i : at, row ? at : i);
        letters += "BWRrb?"[std::find(std::begin(colours), std::end(colours), pixel) - colours];
    }
    std::string runs;
    for (size_t i = 0, end = 0; i < letters.size(); i = end) {
        end = std::min(letters.find_first_not_of(letters[i], i), letters.size());
        runs += (i ? " " : "") + letters.substr(i, 1) + std::to_string(end - i);
    }
    return runs;
}

// The pointer over square (2, 5), in box 4, with the tints asked for and perhaps a marked square.
TBoardView Hover(bool rowAndColumn, bool box, std::pair<int, int> mark = {-1, -1}, bool markerShown = false) {
    return {.HiliteRowAndColumn = rowAndColumn,
            .HiliteCell = box,
            .HoverCol = 2,
            .HoverRow = 5,
            .HoverBox = BoxOf(2, 5),
            .MarkCol = mark.first,
            .MarkRow = mark.second,
            .MarkerShown = markerShown,
            .Conflicts = {}};
}

// Thick lines at 0, 132 and 264 cover one pixel either side (the one at 0 loses its left half),
// thin lines are one pixel wide, the border at the far edges is the last two pixels; a square keeps
// a white outline that overlaps its neighbours. In a larger picture every length grows with the
// square, with no grey fringe from stretching. Tints follow the pointer's row, column and box; the
// mark wins over both unless the marker frames it.
TEST(BoardPainter, LinesTintsAndTheMarkAreTheGoldenRuns) {
    const int row5 = 4 * Cell + 5, row4 = 3 * Cell + 5, column2 = Cell + 5;
    const struct {
        const char* Name;
        QImage Image;
        bool Row;
        int At;
    } rows[] = {
        {"empty, row 200", DrawBoardImage(TBoard{}), true, 200},
        {"empty, column 200", DrawBoardImage(TBoard{}), false, 200},
        {"double size, row 400", DrawBoardImage(TBoard{}, {}, 2 * BoardPixels), true, 400},
        {"double size, column 400", DrawBoardImage(TBoard{}, {}, 2 * BoardPixels), false, 400},
        {"mark on (4, 4), row 150", DrawBoardImage(TBoard{}, Hover(false, false, {4, 4})), true, 150},
        {"mark on (4, 4), column 150", DrawBoardImage(TBoard{}, Hover(false, false, {4, 4})), false, 150},
        {"row tint, row 5", DrawBoardImage(TBoard{}, Hover(true, false)), true, row5},
        {"row tint, column 2", DrawBoardImage(TBoard{}, Hover(true, false)), false, column2},
        {"row tint, row 7", DrawBoardImage(TBoard{}, Hover(true, false)), true, row5 + 2 * Cell},
        {"row tint off, row 5", DrawBoardImage(TBoard{}, Hover(false, false)), true, row5},
        {"box tint, row 5", DrawBoardImage(TBoard{}, Hover(true, true)), true, row5},
        {"box tint, row 4", DrawBoardImage(TBoard{}, Hover(true, true)), true, row4},
        {"box tint, column 2", DrawBoardImage(TBoard{}, Hover(true, true)), false, column2},
        {"mark, row 5", DrawBoardImage(TBoard{}, Hover(true, true, {2, 5})), true, row5},
        {"framed mark, row 5", DrawBoardImage(TBoard{}, Hover(true, true, {2, 5}, true)), true, row5},
    };
    std::string text;
    for (const auto& row : rows)
        text += std::string(row.Name) + ": " + Runs(row.Image, row.Row, row.At) + "\n";
    EXPECT_TRUE(test::MatchesGoldenFile(text, BOARD_TEST_DATA "/board-runs.txt"));
}

using TTest = bool (*)(const QColor&);
const TTest IsDark = [](const QColor& colour) { return colour.lightness() < 140; };
const TTest IsReddish = [](const QColor& c) { return c.red() > 150 && c.green() < 90 && c.blue() < 90; };
const TTest IsCursorBlue = [](const QColor& colour) { return colour == QColor(0, 90, 220); };

// Square (c, r) inside its lines, on a picture of squares of Size pixels.
QRect Square(int c, int r, int size = Cell) {
    return QRect((c - 1) * size + 4, (r - 1) * size + 4, size - 7, size - 7);
}

// How many pixels of Area pass Test.
int Pixels(const QImage& image, const QRect& area, TTest test) {
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            count += test(QColor(image.pixel(x, y)));
    return count;
}

TEST(BoardPainter, PlayerDigitsAreItalicOnlyWithTheUserFontAndGrowWithTheSquare) {
    TBoard board{};
    board[3][3] = {7, true};
    board[6][6] = {7, false};
    const QImage withUserFont = DrawBoardImage(board);
    const QImage withoutUserFont = DrawBoardImage(board, {.UserFont = false, .Conflicts = {}});
    EXPECT_GT(Pixels(withUserFont, Square(3, 3), IsDark), 20);
    EXPECT_GT(Pixels(withUserFont, Square(6, 6), IsDark), 20);
    // The given looks the same either way; the player's 7 is drawn like the given only without
    // the user font (bold has more ink than italic).
    EXPECT_EQ(withUserFont.copy(88, 88, Cell, Cell), withoutUserFont.copy(88, 88, Cell, Cell));
    EXPECT_EQ(withoutUserFont.copy(88, 88, Cell, Cell), withoutUserFont.copy(220, 220, Cell, Cell));
    EXPECT_NE(withUserFont.copy(88, 88, Cell, Cell), withUserFont.copy(220, 220, Cell, Cell));
    EXPECT_LT(Pixels(withUserFont, Square(6, 6), IsDark), Pixels(withoutUserFont, Square(6, 6), IsDark));
    // A larger picture is the same board with every length scaled to its square, not an enlargement
    // of the normal one: the digit grows with the square.
    const QImage large = DrawBoardImage(board, {}, 2 * BoardPixels);
    EXPECT_GT(Pixels(large, Square(3, 3, 2 * Cell), IsDark), 3 * Pixels(withUserFont, Square(3, 3), IsDark));
}

// The additions a player switches on show where they belong and nowhere else.
TEST(BoardPainter, NotesConflictsSameDigitCursorAndPauseShowOnTheirSquaresOnly) {
    TBoard board{};
    board[1][1] = {5, true};
    board[1][5] = {5, false}; // clashes with (1, 1)
    board[7][7] = {5, false}; // no clash
    TNotes notes;
    notes.Toggle(3, 3, 1);
    notes.Toggle(3, 3, 9);
    TBoardView view{
        .SameDigit = 5, .Conflicts = FindConflicts(board), .Notes = &notes, .CursorCol = 4, .CursorRow = 2};
    const QImage image = DrawBoardImage(board, view);

    struct Row {
        const char* Name;
        QRect Area;
        TTest Test;
        bool Expected;
    };
    const Row rows[] = {
        {"a clashing digit is red", Square(1, 5), IsReddish, true},
        {"its given partner too", Square(1, 1), IsReddish, true},
        {"a lone digit stays black", Square(7, 7), IsReddish, false},
        {"notes are drawn small", Square(3, 3), IsDark, true},
        {"note 1 in the square's top-left corner", QRect(90, 90, 13, 13), IsDark, true},
        {"none in its middle", QRect(104, 104, 12, 12), IsDark, false},
        {"note 9 in its bottom-right corner", QRect(117, 117, 13, 13), IsDark, true},
        {"no notes, no ink", Square(3, 4), IsDark, false},
        {"the cursor frames its square", Square(4, 2), IsCursorBlue, true},
        {"and no other", Square(4, 3), IsCursorBlue, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Pixels(image, row.Area, row.Test) > 0, row.Expected) << row.Name;
    EXPECT_EQ(image.pixelColor(Square(7, 7).topLeft()), QColor(214, 232, 255)) << "same digit tinted";
    EXPECT_EQ(image.pixelColor(Square(2, 2).topLeft()), QColor(Qt::white));

    view.Paused = true;
    const QImage paused = DrawBoardImage(board, view);
    for (const Row& row : rows)
        EXPECT_EQ(Pixels(paused, row.Area, IsDark), 0) << "paused hides " << row.Name;
}

TEST(BoardPainter, PointerPositionsMapToSquaresWithTheLastPixelsInTheNinth) {
    for (const auto& [x, square] : {std::pair{0, 1}, {43, 1}, {44, 2}, {395, 9}, {396, 9}, {398, 9}, {-3, 1}})
        EXPECT_EQ(SquareAt(x), square) << x;
    EXPECT_EQ(SquareAt(5, 4), 1) << "a picture too small for nine squares";
}

} // namespace
