#include "app/BoardPainter.h"

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
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(0, 0, w, h, PlainColour);

    const QFont bold = DigitFont(true, false);
    const QFont italic = DigitFont(false, true);
    const int boldAscent = QFontMetrics(bold).ascent();
    const int italicAscent = QFontMetrics(italic).ascent();
    painter.setPen(DigitColour);

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
            if (square.Value <= 0) continue;
            const bool asGiven = square.Given || !view.UserFont;
            painter.setFont(asGiven ? bold : italic);
            const int ascent = asGiven ? boldAscent : italicAscent;
            // Values above 9 (only from a damaged file) show as the character after '9', as the
            // digit is drawn as one character counted from '0'.
            const QChar digit(static_cast<char16_t>(u'0' + std::min(square.Value, 0xFFFF - int{u'0'})));
            painter.drawText(QPoint(left + DigitLeft, top + DigitTop + ascent), QString(digit));
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
