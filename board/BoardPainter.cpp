#include "board/BoardPainter.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace {

const QColor PlainColour(255, 255, 255);
const QColor LineColour(250, 230, 250);
const QColor BoxColour(250, 250, 200);
const QColor SameDigitColour(214, 232, 255);
const QColor MarkColour(255, 0, 0);
const QColor GridColour(0, 0, 0);
const QColor DigitColour(0, 0, 0);
const QColor ConflictColour(220, 0, 0);
const QColor NoteColour(80, 80, 96);
const QColor CursorColour(0, 90, 220);
const QColor PausedColour(128, 128, 128);

// Sizes at the normal square of 44 pixels; other square sizes scale them.
constexpr int NormalCell = 44;
constexpr int NormalDigitPixels = 24;
constexpr int NormalDigitLeft = 13; // where a digit's top-left corner sits inside its square
constexpr int NormalDigitTop = 9;
constexpr int NormalGlyphPad = 4; // room for the italic overhang around a digit

int Scaled(int normal, int cell) {
    return static_cast<int>(std::lround(static_cast<double>(normal) * cell / NormalCell));
}

// Every size on the board derived from the square size.
struct TBoardGeometry {
    explicit TBoardGeometry(int size)
        : Size(size), Cell(size / 9), Thick(std::max(3, Scaled(3, Cell))), Thin(std::max(1, Scaled(1, Cell))),
          DigitPixels(std::max(6, Scaled(NormalDigitPixels, Cell))), DigitLeft(Scaled(NormalDigitLeft, Cell)),
          DigitTop(Scaled(NormalDigitTop, Cell)) {}

    // A line of Width pixels centred on Pos covers Width / 2 pixels before it (rounded down for
    // even widths, as the platform's pens do).
    int LineStart(int pos, int width) const { return pos - (width - 1) / 2; }
    // The far edge of the coloured area of square K (1-9), exclusive: the next line covers the
    // rest; the ninth square runs to the outer border.
    int SquareEnd(int k) const { return k < 9 ? k * Cell : LineStart(Size - 1, Thick); }

    int Size, Cell, Thick, Thin, DigitPixels, DigitLeft, DigitTop;
};

QFont DigitFont(int pixels, bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// A digit drawn once on a transparent picture, cut down to its inked pixels; painting it is
// then a single image copy over the square's colour.
struct TGlyph {
    QImage Image;
    QPoint Offset; // of Image's top-left corner from the point the digit is placed at
};

TGlyph MakeGlyph(const QFont& font, const QColor& colour, int digit, int pad) {
    const QFontMetrics metrics(font);
    const int size = 2 * pad + metrics.height() + metrics.maxWidth();
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPoint(pad, pad + metrics.ascent()), QString(QChar(u'0' + digit)));
    }
    int left = size, top = size, right = -1, bottom = -1;
    for (int y = 0; y < size; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0) return {};
    return {image.copy(left, top, right - left + 1, bottom - top + 1), QPoint(left - pad, top - pad)};
}

// The digits of one square size: the givens' bold and the player's italic, each in black and in
// the conflict red, and the small pencil-mark digits.
class TDigitGlyphs {
  public:
    explicit TDigitGlyphs(const TBoardGeometry& g) {
        const int pad = Scaled(NormalGlyphPad, g.Cell);
        for (int style = 0; style < 2; ++style) {
            const QFont font = DigitFont(g.DigitPixels, style == 0, style == 1);
            for (int digit = 1; digit <= 9; ++digit) {
                Glyphs[style][0][digit - 1] = MakeGlyph(font, DigitColour, digit, pad);
                Glyphs[style][1][digit - 1] = MakeGlyph(font, ConflictColour, digit, pad);
            }
        }
        const QFont noteFont = DigitFont(std::max(5, g.Cell * 3 / 11), false, false);
        for (int digit = 1; digit <= 9; ++digit)
            Notes[digit - 1] = MakeGlyph(noteFont, NoteColour, digit, 0);
    }
    const TGlyph& Glyph(bool asGiven, bool conflict, int digit) const {
        return Glyphs[asGiven ? 0 : 1][conflict ? 1 : 0][digit - 1];
    }
    const TGlyph& Note(int digit) const { return Notes[digit - 1]; }

  private:
    TGlyph Glyphs[2][2][9];
    TGlyph Notes[9];
};

// A few square sizes are kept: the window's, the printed one and one left over from resizing.
const TDigitGlyphs& DigitGlyphs(const TBoardGeometry& g) {
    static std::map<int, TDigitGlyphs> cache;
    auto found = cache.find(g.Cell);
    if (found == cache.end()) {
        if (cache.size() >= 4) cache.clear();
        found = cache.emplace(g.Cell, TDigitGlyphs(g)).first;
    }
    return found->second;
}

QColor SquareColour(const TBoardView& view, const TBoard& board, int c, int r) {
    QColor colour = PlainColour;
    if (view.HiliteRowAndColumn && (r == view.HoverRow || c == view.HoverCol)) colour = LineColour;
    if (view.HiliteCell && InBox(c - 1, r - 1, view.HoverBox)) colour = BoxColour;
    if (view.SameDigit >= 1 && board[c][r].Value == view.SameDigit) colour = SameDigitColour;
    if (c == view.MarkCol && r == view.MarkRow && !view.MarkerShown) colour = MarkColour;
    return colour;
}

void DrawGlyph(QPainter& painter, const TGlyph& glyph, QPoint at) {
    if (!glyph.Image.isNull()) painter.drawImage(at + glyph.Offset, glyph.Image);
}

// The nine marks sit in a 3 x 3 layout: 1 in the top-left corner, 9 in the bottom-right.
void DrawNotes(QPainter& painter, const TDigitGlyphs& glyphs, const TBoardGeometry& g, TNoteMarks marks,
               int left, int top) {
    const double third = g.Cell / 3.0;
    for (int d = 1; d <= 9; ++d) {
        if (!(marks & (1u << (d - 1)))) continue;
        const TGlyph& glyph = glyphs.Note(d);
        const double cx = left + third * ((d - 1) % 3 + 0.5) + 0.5;
        const double cy = top + third * ((d - 1) / 3 + 0.5) + 0.5;
        const QPoint at(static_cast<int>(cx - glyph.Image.width() / 2.0),
                        static_cast<int>(cy - glyph.Image.height() / 2.0));
        if (!glyph.Image.isNull()) painter.drawImage(at, glyph.Image);
    }
}

void DrawGrid(QPainter& painter, const TBoardGeometry& g) {
    for (int k = 0; k <= 8; ++k) {
        const int width = (k % 3 == 0) ? g.Thick : g.Thin;
        const int from = g.LineStart(k * g.Cell, width);
        painter.fillRect(0, from, g.Size, width, GridColour);
        painter.fillRect(from, 0, width, g.Size, GridColour);
    }
    const int edge = g.LineStart(g.Size - 1, g.Thick);
    painter.fillRect(edge, 0, g.Thick, g.Size, GridColour);
    painter.fillRect(0, edge, g.Size, g.Thick, GridColour);
}

void DrawCursor(QPainter& painter, const TBoardGeometry& g, int c, int r) {
    const int inset = std::max(3, Scaled(3, g.Cell));
    const int width = std::max(2, Scaled(2, g.Cell));
    const int left = (c - 1) * g.Cell + inset;
    const int top = (r - 1) * g.Cell + inset;
    const int w = g.SquareEnd(c) - inset + 1 - left;
    const int h = g.SquareEnd(r) - inset + 1 - top;
    painter.fillRect(left, top, w, width, CursorColour);
    painter.fillRect(left, top + h - width, w, width, CursorColour);
    painter.fillRect(left, top, width, h, CursorColour);
    painter.fillRect(left + w - width, top, width, h, CursorColour);
}

void DrawPaused(QPainter& painter, const TBoardGeometry& g) {
    painter.fillRect(0, 0, g.Size, g.Size, PlainColour);
    const int edge = g.LineStart(g.Size - 1, g.Thick);
    painter.fillRect(0, 0, g.Size, 2, GridColour);
    painter.fillRect(0, 0, 2, g.Size, GridColour);
    painter.fillRect(edge, 0, g.Thick, g.Size, GridColour);
    painter.fillRect(0, edge, g.Size, g.Thick, GridColour);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(DigitFont(g.DigitPixels * 2, true, false));
    painter.setPen(PausedColour);
    painter.drawText(QRect(0, 0, g.Size, g.Size), Qt::AlignCenter, QStringLiteral("Paused"));
}

} // namespace

int SquareAt(int position, int extent) {
    const int cell = extent / 9;
    if (cell <= 0) return 1;
    return std::clamp(position / cell + 1, 1, 9);
}

void PaintBoard(QImage& target, const TBoard& board, const TBoardView& view) {
    const TBoardGeometry g(std::min(target.width(), target.height()));
    QPainter painter(&target);
    painter.fillRect(target.rect(), PlainColour);
    if (g.Cell <= 0) return;
    if (view.Paused) {
        DrawPaused(painter, g);
        return;
    }
    const TDigitGlyphs& glyphs = DigitGlyphs(g);
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const int left = (c - 1) * g.Cell;
            const int top = (r - 1) * g.Cell;
            const QColor colour = SquareColour(view, board, c, r);
            if (colour != PlainColour)
                painter.fillRect(QRect(QPoint(left + 1, top + 1), QPoint(g.SquareEnd(c), g.SquareEnd(r))),
                                 colour);

            const TCell& square = board[c][r];
            if (square.Value < 1 || square.Value > 9) {
                // Only the digits 1-9 have a glyph; anything else (a damaged board) shows none.
                if (square.Value == 0 && view.Notes && view.Notes->At(c, r))
                    DrawNotes(painter, glyphs, g, view.Notes->At(c, r), left, top);
                continue;
            }
            const bool asGiven = square.Given || !view.UserFont;
            // On the red mark a red digit would vanish; the mark says enough.
            const bool conflict = view.Conflicts.At(c, r) && !(c == view.MarkCol && r == view.MarkRow);
            DrawGlyph(painter, glyphs.Glyph(asGiven, conflict, square.Value),
                      QPoint(left + g.DigitLeft, top + g.DigitTop));
        }
    }
    DrawGrid(painter, g);
    if (view.CursorCol >= 1 && view.CursorCol <= 9 && view.CursorRow >= 1 && view.CursorRow <= 9)
        DrawCursor(painter, g, view.CursorCol, view.CursorRow);
}

QImage DrawBoardImage(const TBoard& board, const TBoardView& view, int pixels) {
    QImage image(pixels, pixels, QImage::Format_RGB32);
    PaintBoard(image, board, view);
    return image;
}
