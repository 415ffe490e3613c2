#include "board/BoardPainter.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

constexpr int Cell = BoardPixels / 9;

QColor At(const QImage& image, int x, int y) {
    return QColor(image.pixel(x, y));
}

// A pixel well inside square (c, r), away from its digit.
QColor Inside(const QImage& image, int c, int r) {
    return At(image, (c - 1) * Cell + 5, (r - 1) * Cell + 5);
}

const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor RowTint(250, 230, 250);
const QColor BoxTint(250, 250, 200);
const QColor Red(255, 0, 0);

int DarkPixels(const QImage& image, int c, int r) {
    int count = 0;
    for (int x = (c - 1) * Cell + 6; x < c * Cell - 4; ++x)
        for (int y = (r - 1) * Cell + 6; y < r * Cell - 4; ++y)
            if (QColor(image.pixel(x, y)).lightness() < 100) ++count;
    return count;
}

TEST(BoardPainter, GridLinesSitWhereTheBoxesAndSquaresMeet) {
    const QImage image = DrawBoardImage(TBoard{});
    ASSERT_EQ(image.size(), QSize(BoardPixels, BoardPixels));
    // Thick lines at 0, 132 and 264 cover one pixel either side (the one at 0 loses its left half).
    for (int p : {0, 1, 131, 132, 133, 263, 264, 265}) {
        EXPECT_EQ(At(image, p, 200), Black) << "column pixel " << p;
        EXPECT_EQ(At(image, 200, p), Black) << "row pixel " << p;
    }
    for (int p : {2, 130, 134, 262, 266})
        EXPECT_NE(At(image, p, 200), Black) << p;
    // Thin lines one pixel wide between the squares of a box.
    for (int p : {44, 88, 176, 220, 308, 352}) {
        EXPECT_EQ(At(image, p, 200), Black) << p;
        EXPECT_EQ(At(image, p + 1, 200), White) << p;
        EXPECT_EQ(At(image, p - 1, 200), White) << p;
    }
    // The border at the far edges is the last two pixels; 396 is still inside the ninth square.
    EXPECT_EQ(At(image, 397, 200), Black);
    EXPECT_EQ(At(image, 398, 200), Black);
    EXPECT_EQ(At(image, 200, 398), Black);
    EXPECT_EQ(At(image, 396, 200), White);
    EXPECT_EQ(At(image, 200, 396), White);
}

TBoardView Hover(bool rowAndColumn, bool box, int markCol = -1, int markRow = -1, bool markerShown = false) {
    TBoardView view;
    view.HiliteRowAndColumn = rowAndColumn;
    view.HiliteCell = box;
    view.HoverCol = 2;
    view.HoverRow = 5;
    view.HoverBox = BoxOf(2, 5);
    view.MarkCol = markCol;
    view.MarkRow = markRow;
    view.MarkerShown = markerShown;
    return view;
}

TEST(BoardPainter, TintsAndTheMarkFollowTheHoverSquare) {
    // The pointer is over square (2, 5), in box 4.
    struct Row {
        const char* Name;
        TBoardView View;
        int Col, Row;
        QColor Expected;
    };
    const Row rows[] = {
        {"its row", Hover(true, false), 7, 5, RowTint},
        {"its column", Hover(true, false), 2, 8, RowTint},
        {"the square itself", Hover(true, false), 2, 5, RowTint},
        {"elsewhere", Hover(true, false), 7, 7, White},
        {"row tint off", Hover(false, false), 7, 5, White},
        {"box tint wins over the row tint", Hover(true, true), 2, 5, BoxTint},
        {"rest of the box", Hover(true, true), 3, 6, BoxTint},
        {"corner of the box", Hover(true, true), 1, 4, BoxTint},
        {"row outside the box", Hover(true, true), 7, 5, RowTint},
        {"next box", Hover(true, true), 4, 4, White},
        {"the mark wins over both", Hover(true, true, 2, 5), 2, 5, Red},
        {"beside the mark", Hover(true, true, 2, 5), 3, 5, BoxTint},
        {"a framed mark keeps its colour", Hover(true, true, 2, 5, true), 2, 5, BoxTint},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Inside(DrawBoardImage(TBoard{}, row.View), row.Col, row.Row), row.Expected) << row.Name;
}

TEST(BoardPainter, SquaresKeepAWhiteOutlineOverlappingTheirNeighbours) {
    TBoardView view;
    view.MarkCol = 4;
    view.MarkRow = 4;
    const QImage image = DrawBoardImage(TBoard{}, view);
    // Square (4, 4) spans 132..177 with its outline on both ends; the thick line covers 131..133
    // and the thin line at 176 is drawn over the square's interior.
    EXPECT_EQ(At(image, 134, 150), Red);
    EXPECT_EQ(At(image, 175, 150), Red);
    EXPECT_EQ(At(image, 176, 150), Black);
    EXPECT_EQ(At(image, 177, 150), White);
    EXPECT_EQ(At(image, 150, 177), White);
}

TEST(BoardPainter, PlayerDigitsAreItalicOnlyWithTheUserFont) {
    TBoard board{};
    board[3][3] = {7, true};
    board[6][6] = {7, false};
    TBoardView italic;
    italic.UserFont = true;
    TBoardView bold;
    bold.UserFont = false;
    const QImage withUserFont = DrawBoardImage(board, italic);
    const QImage withoutUserFont = DrawBoardImage(board, bold);

    EXPECT_GT(DarkPixels(withUserFont, 3, 3), 20);
    EXPECT_GT(DarkPixels(withUserFont, 6, 6), 20);
    EXPECT_EQ(DarkPixels(withUserFont, 5, 5), 0);

    // The given looks the same either way; the player's 7 is drawn like the given only without
    // the user font (bold has more ink than italic).
    EXPECT_EQ(withUserFont.copy(88, 88, Cell, Cell), withoutUserFont.copy(88, 88, Cell, Cell));
    EXPECT_EQ(withoutUserFont.copy(88, 88, Cell, Cell), withoutUserFont.copy(220, 220, Cell, Cell));
    EXPECT_NE(withUserFont.copy(88, 88, Cell, Cell), withUserFont.copy(220, 220, Cell, Cell));
    EXPECT_LT(DarkPixels(withUserFont, 6, 6), DarkPixels(withoutUserFont, 6, 6));
}

int PixelsOf(const QImage& image, int c, int r, bool (*test)(const QColor&), int cell = Cell) {
    int count = 0;
    for (int x = (c - 1) * cell + 4; x < c * cell - 3; ++x)
        for (int y = (r - 1) * cell + 4; y < r * cell - 3; ++y)
            count += test(QColor(image.pixel(x, y)));
    return count;
}
bool IsDark(const QColor& colour) {
    return colour.lightness() < 140;
}
bool IsReddish(const QColor& colour) {
    return colour.red() > 150 && colour.green() < 90 && colour.blue() < 90;
}
bool IsCursorBlue(const QColor& colour) {
    return colour == QColor(0, 90, 220);
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
    const TConflicts conflicts = FindConflicts(board);
    TBoardView view;
    view.Notes = &notes;
    view.Conflicts = conflicts;
    view.SameDigit = 5;
    view.CursorCol = 4;
    view.CursorRow = 2;
    const QImage image = DrawBoardImage(board, view);

    struct Row {
        const char* Name;
        int Col, Row;
        bool (*Test)(const QColor&);
        bool Expected;
    };
    const Row rows[] = {
        {"a clashing digit is red", 1, 5, IsReddish, true},
        {"its given partner too", 1, 1, IsReddish, true},
        {"a lone digit stays black", 7, 7, IsReddish, false},
        {"notes are drawn small", 3, 3, IsDark, true},
        {"no notes, no ink", 3, 4, IsDark, false},
        {"the cursor frames its square", 4, 2, IsCursorBlue, true},
        {"and no other", 4, 3, IsCursorBlue, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PixelsOf(image, row.Col, row.Row, row.Test) > 0, row.Expected) << row.Name;
    EXPECT_EQ(Inside(image, 7, 7), QColor(214, 232, 255)) << "same digit tinted";
    EXPECT_EQ(Inside(image, 2, 2), White);
    // The marks 1 and 9 lie in the square's top-left and bottom-right corners, none in its middle.
    const auto inkIn = [&](int x0, int y0, int size) {
        int ink = 0;
        for (int x = x0; x < x0 + size; ++x)
            for (int y = y0; y < y0 + size; ++y)
                ink += IsDark(QColor(image.pixel(x, y)));
        return ink;
    };
    EXPECT_GT(inkIn(90, 90, 13), 0);
    EXPECT_EQ(inkIn(104, 104, 12), 0);
    EXPECT_GT(inkIn(117, 117, 13), 0);

    view.Paused = true;
    const QImage paused = DrawBoardImage(board, view);
    for (const Row& row : rows)
        EXPECT_EQ(PixelsOf(paused, row.Col, row.Row, IsDark), 0) << "paused hides " << row.Name;
}

// A larger picture is the same board with every length scaled to its square, not an enlargement
// of the normal one.
TEST(BoardPainter, LargerPicturesScaleLinesAndDigitsWithTheSquare) {
    TBoard board{};
    board[2][2] = {8, true};
    const QImage large = DrawBoardImage(board, {}, 2 * BoardPixels);
    ASSERT_EQ(large.size(), QSize(798, 798));
    constexpr int Big = 2 * Cell;
    for (int p : {262, 263, 267}) // the thick line at 264 is six pixels wide
        EXPECT_EQ(At(large, p, 400), Black) << p;
    EXPECT_EQ(At(large, 261, 400), White);
    EXPECT_EQ(At(large, 268, 400), White);
    EXPECT_EQ(At(large, 88, 400), Black) << "thin lines are two pixels";
    EXPECT_EQ(At(large, 89, 400), Black);
    EXPECT_EQ(At(large, 90, 400), White);
    const int normalInk = DarkPixels(DrawBoardImage(board), 2, 2);
    const int largeInk = PixelsOf(large, 2, 2, IsDark, Big);
    EXPECT_GT(largeInk, 3 * normalInk) << "the digit grows with the square";
    // No grey fringe from stretching: the line edges are pure black next to pure white.
    EXPECT_EQ(At(large, 400, 262), Black);
    EXPECT_EQ(At(large, 400, 261), White);
}

TEST(BoardPainter, PointerPositionsMapToSquaresWithTheLastPixelsInTheNinth) {
    const std::pair<int, int> rows[] = {{0, 1}, {43, 1}, {44, 2}, {395, 9}, {396, 9}, {398, 9}, {-3, 1}};
    for (const auto& [x, square] : rows)
        EXPECT_EQ(SquareAt(x), square) << x;
    EXPECT_EQ(SquareAt(5, 4), 1) << "a picture too small for nine squares";
}

} // namespace
