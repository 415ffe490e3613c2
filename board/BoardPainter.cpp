#include "board/BoardPainter.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

const QColor PlainColour(255, 255, 255);
const QColor LineColour(250, 230, 250);
const QColor BoxColour(250, 250, 200);
const QColor MarkColour(255, 0, 0);
const QColor OutlineColour(255, 255, 255);
const QColor GridColour(0, 0, 0);
const QColor DigitColour(0, 0, 0);

// Where a digit's top-left corner sits inside its square.
constexpr int DigitLeft = 13;
constexpr int DigitTop = 9;

QColor SquareColour(const TBoardView& view, int c, int r) {
    QColor colour = PlainColour;
    if (view.HiliteRowAndColumn && (r == view.HoverRow || c == view.HoverCol)) colour = LineColour;
    if (view.HiliteCell && InBox(c - 1, r - 1, view.HoverBox)) colour = BoxColour;
    if (c == view.MarkCol && r == view.MarkRow && !view.MarkerShown) colour = MarkColour;
    return colour;
}

QFont DigitFont(bool bold, bool italic) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(24);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The digits 1-9 in the givens' bold and the player's italic, drawn once in black on a
// transparent square; painting one is then a single image copy over the square's colour.
class TDigitGlyphs {
  public:
    TDigitGlyphs() {
        for (int style = 0; style < 2; ++style) {
            const QFont font = DigitFont(style == 0, style == 1);
            const int ascent = QFontMetrics(font).ascent();
            for (int digit = 1; digit <= 9; ++digit) {
                QImage glyph(GlyphSize, GlyphSize, QImage::Format_ARGB32_Premultiplied);
                glyph.fill(Qt::transparent);
                QPainter painter(&glyph);
                painter.setRenderHint(QPainter::TextAntialiasing, true);
                painter.setFont(font);
                painter.setPen(DigitColour);
                painter.drawText(QPoint(GlyphPad, GlyphPad + ascent), QString(QChar(u'0' + digit)));
                Glyphs[style][digit - 1] = glyph;
            }
        }
    }
    const QImage& Glyph(bool asGiven, int digit) const { return Glyphs[asGiven ? 0 : 1][digit - 1]; }

    // Room for a 24-pixel digit and its italic overhang on every side.
    static constexpr int GlyphPad = 4;
    static constexpr int GlyphSize = 40;

  private:
    QImage Glyphs[2][9];
};

const TDigitGlyphs& DigitGlyphs() {
    static const TDigitGlyphs glyphs;
    return glyphs;
}

// A line of the grid as the platform's pens draw it: a pen of width 3 covers the pixel before
// and the pixel after its centre line; the far end of the line is excluded.
void HorizontalLine(QPainter& painter, int y, int width, int length) {
    const int from = y - (width - 1) / 2;
    painter.fillRect(0, from, length, width, GridColour);
}

void VerticalLine(QPainter& painter, int x, int width, int length) {
    const int from = x - (width - 1) / 2;
    painter.fillRect(from, 0, width, length, GridColour);
}

} // namespace

int SquareAt(int position, int extent) {
    const int cell = extent / 9;
    if (cell <= 0) return 1;
    return std::clamp(position / cell + 1, 1, 9);
}

void PaintBoard(QImage& target, const TBoard& board, const TBoardView& view) {
    const int w = target.width();
    const int h = target.height();
    const int cell = h / 9;

    QPainter painter(&target);
    painter.fillRect(0, 0, w, h, PlainColour);

    const TDigitGlyphs& glyphs = DigitGlyphs();

    // Squares overlap their neighbours by two pixels; later squares (columns outer, rows inner)
    // paint over earlier ones, so the order decides the outline pixels.
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const int left = (c - 1) * cell;
            const int top = (r - 1) * cell;
            const int size = cell + 2;
            painter.fillRect(left, top, size, size, OutlineColour);
            painter.fillRect(left + 1, top + 1, size - 2, size - 2, SquareColour(view, c, r));

            const TCell& square = board[c][r];
            // Only the digits 1-9 have a glyph; anything else (a damaged board) shows no digit.
            if (square.Value < 1 || square.Value > 9) continue;
            const bool asGiven = square.Given || !view.UserFont;
            painter.drawImage(
                QPoint(left + DigitLeft - TDigitGlyphs::GlyphPad, top + DigitTop - TDigitGlyphs::GlyphPad),
                glyphs.Glyph(asGiven, square.Value));
        }
    }

    for (int k = 0; k <= 8; ++k) {
        const int width = (k % 3 == 0) ? 3 : 1;
        HorizontalLine(painter, k * cell, width, w);
        VerticalLine(painter, k * cell, width, h);
    }
    VerticalLine(painter, w - 1, 3, h);
    HorizontalLine(painter, h - 1, 3, w);
}

QImage DrawBoardImage(const TBoard& board, const TBoardView& view) {
    QImage image(BoardPixels, BoardPixels, QImage::Format_RGB32);
    PaintBoard(image, board, view);
    return image;
}
