#include "game/BookPage.h"

#include "game/PuzzleBook.h"
#include "report/BaseReport.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

namespace {

// Arial and Helvetica, regular and bold: every digit is 0.556 em wide and a space half of that,
// so an empty square is two spaces. Digits stand 0.716 em high on the baseline.
constexpr double DigitEm = 0.556;
constexpr double SpaceEm = 0.278;
constexpr double DigitHeightEm = 0.716;

constexpr double SideMargin = 0.6;
constexpr double TopMargin = 0.6;
constexpr double BottomSpace = 0.85; // below the boards: the page number
constexpr double Gutter = 0.3;       // between boards
constexpr double SolutionScale = 0.85;
// The board view is 399 pixels wide with 3-pixel box lines and 1-pixel square lines.
constexpr double ViewPixels = 399;

struct TGridShape {
    int Columns;
    int Rows;
};

TGridShape GridShape(int PerPage) {
    switch (PerPage) {
    case 1:
        return {1, 1};
    case 2:
        return {1, 2};
    case 4:
        return {2, 2};
    default:
        return {2, 3};
    }
}

int TitlePoints(int PerPage) {
    return PerPage == 1 ? 16 : PerPage == 2 ? 14 : 11;
}

// A square is one digit and the spaces up to the next: three on a puzzle, two on a solution,
// whose small boards read better with larger digits.
int SquareSpaces(bool Solution) {
    return Solution ? 2 : 3;
}

struct TPageBoard {
    TBookBoardFrame Frame;
    const TBookPuzzle* Puzzle;
};

// Each rectangle draws two neighbouring lines; its other two sides lie under the frame.
void DrawSquareLines(TBaseReport& Surface, const TBookBoardFrame& F) {
    const double cell = F.Side / 9;
    for (int band = 0; band < 3; ++band) {
        const double near = (3 * band + 1) * cell;
        Surface.Rectangle(F.Left + near, F.Top, F.Left + near + cell, F.Top + F.Side);
        Surface.Rectangle(F.Left, F.Top + near, F.Left + F.Side, F.Top + near + cell);
    }
}

void DrawBoxLines(TBaseReport& Surface, const TBookBoardFrame& F) {
    const double cell = F.Side / 9;
    const double right = F.Left + F.Side;
    const double bottom = F.Top + F.Side;
    Surface.Rectangle(F.Left + 3 * cell, F.Top, F.Left + 6 * cell, bottom);
    Surface.Rectangle(F.Left, F.Top + 3 * cell, right, F.Top + 6 * cell);
    Surface.Rectangle(F.Left, F.Top, right, bottom);
}

// The grids of a page, all square lines first and then all box lines, so each weight is set once.
void DrawGrids(TBaseReport& Surface, std::span<const TPageBoard> Boards) {
    const double pixel = Boards.front().Frame.Side / ViewPixels * Surface.Device().XDPI;
    Surface.SetBrushStyle(bsClear);
    Surface.SetPenStyle(psSolid);
    Surface.SetPenColor(0);
    Surface.SetPenWidth(pixel);
    for (const TPageBoard& board : Boards)
        DrawSquareLines(Surface, board.Frame);
    Surface.SetPenWidth(3 * pixel);
    for (const TPageBoard& board : Boards)
        DrawBoxLines(Surface, board.Frame);
}

// Position of a digit in widths of a space from the left edge of the first board's first digit.
int DigitUnit(const TBookBoardFrame& First, const TBookBoardFrame& Board, int Column, bool Solution) {
    const double space = SpaceEm * First.DigitPoints / 72;
    return static_cast<int>(std::lround((Board.Left - First.Left) / space)) +
           Column * (2 + SquareSpaces(Solution));
}

// Row Row of the boards side by side on a page as one line of text: each digit centred in its
// square, the empty squares and the gaps between the boards made of spaces. The boards of a page
// row stand a whole number of spaces apart, so this places every digit exactly.
void DrawRow(TBaseReport& Surface, std::span<const TPageBoard> Boards, int Row, bool Solution) {
    const TBookBoardFrame& first = Boards.front().Frame;
    // Every line starts at the first square, so the rows of a page share their left edge.
    std::string line;
    int unit = 0;
    for (const TPageBoard& board : Boards) {
        const auto& digits = Solution ? board.Puzzle->Solution : board.Puzzle->Given;
        for (int column = 0; column < 9; ++column) {
            const std::uint8_t digit = digits[static_cast<std::size_t>(Row * 9 + column)];
            if (digit == 0) continue;
            const int at = DigitUnit(first, board.Frame, column, Solution);
            line.append(static_cast<std::size_t>(at - unit), ' ');
            line += static_cast<char>('0' + digit);
            unit = at + 2; // a digit is two spaces wide
        }
    }
    if (line.empty()) return;
    const double cell = first.Side / 9;
    const double em = first.DigitPoints / 72.0;
    const double x = first.Left + (cell - DigitEm * em) / 2;
    const double baseline = first.Top + Row * cell + (cell + DigitHeightEm * em) / 2;
    Surface.PrintAt(x, baseline, line);
}

void DrawTitle(TBaseReport& Surface, const TBookBoardFrame& F, const std::string& Title) {
    Surface.SelectFont("Arial", F.TitlePoints);
    Surface.SetBold(true);
    Surface.PrintAt(F.Left, F.TitleBaseline, "");
    Surface.TextCenteredAt(Title, F.Left + F.Side / 2);
}

void DrawFooter(TBaseReport& Surface, const std::string& Text) {
    Surface.SelectFont("Arial", 10);
    Surface.PrintAt(0, BookFooterBaseline(Surface.Device().PageHeight), "");
    Surface.TextCenteredAt(Text, Surface.Device().PageWidth / 2);
}

class TBookPrinter {
  public:
    TBookPrinter(TBaseReport& Surface, const TBookOptions& Options) : Surface_(Surface), Options_(Options) {}

    void Print() {
        std::vector<TBookPuzzle> page;
        for (std::int32_t i = 0; i < Options_.Count; i += Options_.PerPage) {
            if (!TurnPage()) return;
            page.clear();
            for (std::int32_t k = i; k < std::min(Options_.Count, i + Options_.PerPage); ++k)
                page.push_back(DealBookPuzzle(Options_.FirstNumber + k, Options_.Window));
            PrintPage(page, Options_.PerPage, false, "");
            if (Options_.Solutions) Dealt_.insert(Dealt_.end(), page.begin(), page.end());
        }
        const int perPage = SolutionsPerPage(Options_);
        for (std::size_t i = 0; i < Dealt_.size(); i += static_cast<std::size_t>(perPage)) {
            if (!TurnPage()) return;
            const std::size_t end = std::min(Dealt_.size(), i + static_cast<std::size_t>(perPage));
            PrintPage(std::span<const TBookPuzzle>(Dealt_.data() + i, end - i), perPage, true,
                      "Solutions \xB7 ");
        }
    }

  private:
    // Every page but the first starts with NewPage; false once the run is aborted.
    bool TurnPage() {
        if (Surface_.Aborted()) return false;
        if (Started_) Surface_.NewPage();
        Started_ = true;
        return !Surface_.Aborted();
    }

    void PrintPage(std::span<const TBookPuzzle> Puzzles, int PerPage, bool Solution,
                   const std::string& Section) {
        const double width = Surface_.Device().PageWidth;
        const double height = Surface_.Device().PageHeight;
        std::vector<TPageBoard> boards;
        for (std::size_t k = 0; k < Puzzles.size(); ++k)
            boards.push_back(
                {BookBoardFrame(width, height, PerPage, static_cast<int>(k), Solution), &Puzzles[k]});
        DrawGrids(Surface_, boards);
        // Row by row of boards: their titles, then their digits, so the text reads in order.
        const std::size_t across = static_cast<std::size_t>(GridShape(PerPage).Columns);
        for (std::size_t k = 0; k < boards.size(); k += across) {
            const auto pageRow =
                std::span<const TPageBoard>(boards).subspan(k, std::min(across, boards.size() - k));
            for (const TPageBoard& board : pageRow)
                DrawTitle(Surface_, board.Frame, BookPuzzleTitle(Options_, board.Puzzle->Number));
            // Givens bold as on the screen; a solution in one plain face, light on the page.
            Surface_.SelectFont("Arial", boards.front().Frame.DigitPoints);
            Surface_.SetBold(!Solution);
            for (int row = 0; row < 9; ++row)
                DrawRow(Surface_, pageRow, row, Solution);
        }
        DrawFooter(Surface_, Section + "Page " + std::to_string(Surface_.CurrentPage()));
    }

    TBaseReport& Surface_;
    const TBookOptions& Options_;
    std::vector<TBookPuzzle> Dealt_;
    bool Started_ = false;
};

} // namespace

TBookBoardFrame BookBoardFrame(double PageWidth, double PageHeight, int PerPage, int Index, bool Solution) {
    const TGridShape shape = GridShape(PerPage);
    const double cellWidth = (PageWidth - 2 * SideMargin) / shape.Columns;
    const double cellHeight = (PageHeight - TopMargin - BottomSpace) / shape.Rows;
    TBookBoardFrame f;
    f.TitlePoints = TitlePoints(PerPage) - (Solution ? 1 : 0);
    const double titleSpace = f.TitlePoints / 72.0 * 1.5;
    double side = std::min(cellWidth - Gutter, cellHeight - Gutter - titleSpace);
    if (Solution) side *= SolutionScale;
    const double squareEm = DigitEm + SquareSpaces(Solution) * SpaceEm;
    f.DigitPoints = std::max(4, static_cast<int>(std::floor(side * 72 / (9 * squareEm))));
    f.Side = 9 * squareEm * f.DigitPoints / 72;
    const int column = Index % shape.Columns;
    const int row = Index / shape.Columns;
    const double space = SpaceEm * f.DigitPoints / 72;
    const double pitch = std::round(cellWidth / space) * space;
    f.Left = (PageWidth - (shape.Columns - 1) * pitch - f.Side) / 2 + column * pitch;
    const double group = titleSpace + f.Side;
    f.Top = TopMargin + row * cellHeight + (cellHeight - group) / 2 + titleSpace;
    f.TitleBaseline = f.Top - f.TitlePoints / 72.0 * 0.45;
    return f;
}

double BookFooterBaseline(double PageHeight) {
    return PageHeight - 0.5;
}

void PrintPuzzleBook(TBaseReport& Surface, const TBookOptions& Options) {
    Surface.SetUnits(unInch);
    TBookPrinter(Surface, Options).Print();
}
