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

// The non-zero digits of one line of text per row, each centred in its square.
void DrawDigits(TBaseReport& Surface, const TBookBoardFrame& F, const std::array<std::uint8_t, 81>& Digits,
                bool Solution) {
    const double cell = F.Side / 9;
    const double em = F.DigitPoints / 72.0;
    const int spaces = SquareSpaces(Solution);
    for (int row = 0; row < 9; ++row) {
        const auto begin = Digits.begin() + row * 9;
        const auto first = std::find_if(begin, begin + 9, [](std::uint8_t d) { return d != 0; });
        if (first == begin + 9) continue;
        const auto last =
            std::find_if(std::make_reverse_iterator(begin + 9), std::make_reverse_iterator(first),
                         [](std::uint8_t d) { return d != 0; });
        std::string line;
        for (auto at = first; at != last.base(); ++at) {
            if (at != first) line.append(static_cast<std::size_t>(spaces), ' ');
            if (*at != 0)
                line += static_cast<char>('0' + *at);
            else
                line += "  ";
        }
        const double x = F.Left + static_cast<double>(first - begin) * cell + (cell - DigitEm * em) / 2;
        const double baseline = F.Top + row * cell + (cell + DigitHeightEm * em) / 2;
        Surface.PrintAt(x, baseline, line);
    }
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
        for (const TPageBoard& board : boards) {
            DrawTitle(Surface_, board.Frame, BookPuzzleTitle(Options_, board.Puzzle->Number));
            // Givens bold as on the screen; a solution in one plain face, light on the page.
            Surface_.SelectFont("Arial", board.Frame.DigitPoints);
            Surface_.SetBold(!Solution);
            DrawDigits(Surface_, board.Frame, Solution ? board.Puzzle->Solution : board.Puzzle->Given,
                       Solution);
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
    f.Left = SideMargin + column * cellWidth + (cellWidth - f.Side) / 2;
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
