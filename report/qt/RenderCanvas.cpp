#include "report/qt/RenderCanvas.h"

#include "platform/Windows1252.h"
#include "report/qt/SymbolCharSet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>
#include <numbers>

namespace {

// Page-stream pen styles, in their stored order.
Qt::PenStyle ToPenStyle(uint8_t Style) {
    switch (Style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle ToBrushStyle(uint8_t Style) {
    switch (Style) {
    case bsClear:
        return Qt::NoBrush;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

// Angle of a point seen from the centre, counter-clockwise in degrees with Y growing downwards.
double AngleOf(QPointF centre, QPointF p) {
    return std::atan2(centre.y() - p.y(), p.x() - centre.x()) * 180 / std::numbers::pi;
}

} // namespace

TRenderCanvas::TRenderCanvas() = default;
TRenderCanvas::~TRenderCanvas() = default;

QColor TRenderCanvas::ToQColor(int32_t Color, const QColor& Fallback) {
    if (Color < 0) return Fallback;
    return QColor(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

QImage TRenderCanvas::GraphicImage(const TReportGraphic& Graphic) {
    if (Graphic.Type != gtBitmap || Graphic.Data.empty()) return {};
    QImage image;
    image.loadFromData(Graphic.Data.data(), static_cast<int>(Graphic.Data.size()), "BMP");
    return image;
}

QString TRenderCanvas::DeviceText(std::string_view Text, uint8_t CharSet) {
    // Page-stream texts are 8-bit Windows-1252, except in the Symbol set; Qt draws Unicode and
    // finds a font with the glyphs itself, so no other set changes what is drawn.
    QString result;
    result.reserve(static_cast<qsizetype>(Text.size()));
    for (char c : Text) {
        const auto byte = static_cast<std::uint8_t>(c);
        const char32_t u =
            CharSet == SymbolCharSet ? SymbolToUnicode(byte) : platform::Windows1252::ToUnicode(byte);
        result.append(QChar(static_cast<char16_t>(u))); // every code point of both sets is in the BMP
    }
    return result;
}

void TRenderCanvas::FontChanged(const TReportFont& Sender) {
    QFont font(QString::fromStdString(Sender.Name));
    // The stored size is the em size: device height = YI2D(size) - YI2D(0).
    double height = YI2D(Sender.Size / 72.0) - YI2D(0);
    if (Sender.Superscript || Sender.Subscript) height /= 1.667;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height))));
    font.setWeight(Sender.Bold ? QFont::Bold : QFont::Normal);
    font.setItalic(Sender.Italic);
    font.setUnderline(Sender.Underline);
    font.setStrikeOut(Sender.StrikeOut);
    if (Sender.Pitch == fpFixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    } else if (Sender.Pitch == fpVariable) {
        font.setFixedPitch(false);
    }
    DeviceFont_ = font;
    CharSet_ = Sender.CharSet;
    FontColor_ = ToQColor(Sender.Color);
    Rotation_ = Sender.Rotation % 360;
}

void TRenderCanvas::DocEnd() {
    DeviceFont_ = QFont();
    TReportRenderStream::DocEnd();
}

void TRenderCanvas::DrawText(const std::string& Text, double X, double Y, TTextAlign Align) {
    QPainter& p = GetCanvas();
    const QString text = DeviceText(Text, CharSet_);
    p.save();
    p.setFont(DeviceFont_);
    p.setPen(FontColor_);
    p.setBackgroundMode(Qt::TransparentMode);
    const double width = QFontMetricsF(DeviceFont_, p.device()).horizontalAdvance(text);
    const double shift = Align == taCenter ? -width / 2 : Align == taRight ? -width : 0;
    p.translate(XI2D(X), YI2D(Y));
    if (Rotation_ != 0) p.rotate(-Rotation_);
    p.drawText(QPointF(shift, 0), text);
    p.restore();
}

void TRenderCanvas::RenderLeftText(const std::string& Text, double X, double Y) {
    DrawText(Text, X, Y, taLeft);
}

void TRenderCanvas::RenderCenterText(const std::string& Text, double X, double Y) {
    DrawText(Text, X, Y, taCenter);
}

void TRenderCanvas::RenderRightText(const std::string& Text, double X, double Y) {
    DrawText(Text, X, Y, taRight);
}

void TRenderCanvas::RenderBlockText(const std::string& Text, double X, double Y, double /*Width*/) {
    // Drawn left-aligned at X; the canvas renderers do not spread the words.
    DrawText(Text, X, Y, taLeft);
}

void TRenderCanvas::RenderTextRect(const TRect& Rect, const std::string& Text, double X, double Y) {
    QPainter& p = Canvas();
    const QRect clip(QPoint(Rect.Left, Rect.Top), QPoint(Rect.Right - 1, Rect.Bottom - 1));
    if (p.brush().style() != Qt::NoBrush) p.fillRect(clip, p.brush().color());
    p.save();
    p.setClipRect(clip, Qt::IntersectClip);
    DrawText(Text, X, Y, taLeft);
    p.restore();
}

void TRenderCanvas::BrushChanged(const TReportBrush& Sender) {
    const QImage pattern = GraphicImage(Sender.Pattern);
    if (!pattern.isNull())
        Brush_ = QBrush(pattern);
    else
        Brush_ = QBrush(ToQColor(Sender.Color, Qt::white), ToBrushStyle(Sender.Style));
}

void TRenderCanvas::PenChanged(const TReportPen& Sender) {
    Pen_ = QPen(ToQColor(Sender.Color));
    Pen_.setStyle(ToPenStyle(Sender.Style));
    // From device coordinates, so the preview's zoom widens the pen with everything else.
    Pen_.setWidth(std::max(0, XI2D(PenWidth()) - XI2D(0)));
    Pen_.setJoinStyle(Qt::MiterJoin);
}

QPainter& TRenderCanvas::Canvas() {
    // Pen and brush live here, not in the painter: a page may bring a new painter.
    QPainter& p = GetCanvas();
    p.setPen(Pen_);
    p.setBrush(Brush_);
    return p;
}

QRect TRenderCanvas::DeviceRect(double X1, double Y1, double X2, double Y2) {
    return QRect(QPoint(XI2D(X1), YI2D(Y1)), QPoint(XI2D(X2) - 1, YI2D(Y2) - 1));
}

template <class Draw>
void TRenderCanvas::ArcLike(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                            double Y4, Draw draw) {
    const QRect box = DeviceRect(X1, Y1, X2, Y2);
    const QPointF centre = QRectF(box).center();
    const double start = AngleOf(centre, QPointF(XI2D(X3), YI2D(Y3)));
    double span = AngleOf(centre, QPointF(XI2D(X4), YI2D(Y4))) - start;
    if (span <= 0) span += 360; // counter-clockwise from the start point to the end point
    draw(Canvas(), box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void TRenderCanvas::RenderArc(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                              double Y4) {
    ArcLike(X1, Y1, X2, Y2, X3, Y3, X4, Y4,
            [](QPainter& p, const QRect& r, int a, int s) { p.drawArc(r, a, s); });
}

void TRenderCanvas::RenderChord(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                                double Y4) {
    ArcLike(X1, Y1, X2, Y2, X3, Y3, X4, Y4,
            [](QPainter& p, const QRect& r, int a, int s) { p.drawChord(r, a, s); });
}

void TRenderCanvas::RenderPie(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                              double Y4) {
    ArcLike(X1, Y1, X2, Y2, X3, Y3, X4, Y4,
            [](QPainter& p, const QRect& r, int a, int s) { p.drawPie(r, a, s); });
}

void TRenderCanvas::RenderEllipse(double X1, double Y1, double X2, double Y2) {
    Canvas().drawEllipse(DeviceRect(X1, Y1, X2, Y2));
}

void TRenderCanvas::RenderRectangle(double X1, double Y1, double X2, double Y2) {
    Canvas().drawRect(DeviceRect(X1, Y1, X2, Y2));
}

void TRenderCanvas::RenderRoundRect(double X1, double Y1, double X2, double Y2, double W, double H) {
    // W and H are the corner ellipse's size; Qt takes its radii.
    const double rx = (XI2D(W) - XI2D(0)) / 2.0, ry = (YI2D(H) - YI2D(0)) / 2.0;
    Canvas().drawRoundedRect(DeviceRect(X1, Y1, X2, Y2), rx, ry, Qt::AbsoluteSize);
}

void TRenderCanvas::RenderMoveTo(double X, double Y) {
    Current_ = QPoint(XI2D(X), YI2D(Y));
}

void TRenderCanvas::RenderLineTo(double X, double Y) {
    const QPoint to(XI2D(X), YI2D(Y));
    Canvas().drawLine(Current_, to);
    Current_ = to;
}

namespace {

constexpr double PolyUnits = 1248; // polygon points come in 1/1248 inch

} // namespace

void TRenderCanvas::RenderPolyline(const std::vector<TPoint>& Points, int HighIndex) {
    QPolygon poly;
    for (int i = 0; i <= HighIndex && i < static_cast<int>(Points.size()); ++i)
        poly << QPoint(XI2D(Points[i].X / PolyUnits), YI2D(Points[i].Y / PolyUnits));
    Canvas().drawPolyline(poly);
}

void TRenderCanvas::RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) {
    QPolygon poly;
    for (int i = 0; i <= HighIndex && i < static_cast<int>(Points.size()); ++i)
        poly << QPoint(XI2D(Points[i].X / PolyUnits), YI2D(Points[i].Y / PolyUnits));
    Canvas().drawPolygon(poly);
}

void TRenderCanvas::RenderFillRect(const TRect& Rect) {
    QPainter& p = Canvas();
    p.fillRect(QRect(QPoint(Rect.Left, Rect.Top), QPoint(Rect.Right - 1, Rect.Bottom - 1)), Brush_);
}

void TRenderCanvas::DrawImage(const QImage& Image, const QRect& Target) {
    if (Image.isNull() || Target.isEmpty()) return;
    QPainter& p = Canvas();
    // Shrinking samples smoothly so thin grid lines survive; enlarging keeps pixels sharp.
    const bool shrink = Target.width() < Image.width() || Target.height() < Image.height();
    p.setRenderHint(QPainter::SmoothPixmapTransform, shrink);
    p.drawImage(Target, Image);
}

void TRenderCanvas::RenderBitmapRect(const TReportGraphic& Bitmap, double X1, double Y1, double X2,
                                     double Y2) {
    DrawImage(GraphicImage(Bitmap), QRect(QPoint(XI2D(X1), YI2D(Y1)), QPoint(XI2D(X2) - 1, YI2D(Y2) - 1)));
}

// A picture's pixels are 1/72 inch each, as the recording says: its device size follows from
// the device resolution (and the preview's zoom) through XI2D and YI2D.
QRect TRenderCanvas::PictureRect(const QImage& Image, double X, double Y, double ScaleX, double ScaleY) {
    const double w = Image.width() / PictureDPI * ScaleX, h = Image.height() / PictureDPI * ScaleY;
    return QRect(QPoint(XI2D(X), YI2D(Y)), QPoint(XI2D(X + w) - 1, YI2D(Y + h) - 1));
}

void TRenderCanvas::RenderBitmap(const TReportGraphic& Bitmap, double X, double Y, double ScaleX,
                                 double ScaleY) {
    const QImage image = GraphicImage(Bitmap);
    DrawImage(image, PictureRect(image, X, Y, ScaleX, ScaleY));
}

void TRenderCanvas::RenderStretchDraw(const TRect& Rect, const TReportGraphic& Graphic) {
    DrawImage(GraphicImage(Graphic),
              QRect(QPoint(Rect.Left, Rect.Top), QPoint(Rect.Right - 1, Rect.Bottom - 1)));
}

void TRenderCanvas::RenderDraw(const TReportGraphic& Graphic, double X, double Y) {
    const QImage image = GraphicImage(Graphic);
    DrawImage(image, PictureRect(image, X, Y, 1, 1));
}

// Encoded image data needs a decoder this renderer does not have.
void TRenderCanvas::RenderImageData(TStream& Stream, const std::string& TypeName, double X1, double Y1,
                                    double X2, double Y2) {
    TReportRenderStream::RenderImageData(Stream, TypeName, X1, Y1, X2, Y2);
}
