// A renderer that plays the page stream onto a QPainter: the common part of the printer and the
// preview renderers. Subclasses say where the painter draws (GetCanvas) and how inches become
// device pixels (XI2D, YI2D, XDPI, YDPI).
#pragma once

#include "report/ReportRenderStream.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QString>

#include <string_view>

class QPainter;

class TRenderCanvas : public TReportRenderStream {
  public:
    TRenderCanvas();
    ~TRenderCanvas() override;

    virtual QPainter& GetCanvas() = 0;

    VELMORA_RENDER_OPERATIONS(VELMORA_RENDER_OVERRIDE)
    void DocEnd() override;

    // The device font built by the last FontChanged.
    const QFont& DeviceFont() const { return DeviceFont_; }

    // Page-stream colours (red in the low byte) as Qt colours; system colours (negative values)
    // become Fallback.
    static QColor ToQColor(int32_t Color, const QColor& Fallback = Qt::black);
    // A bitmap graphic as an image; a null image for kinds the canvas cannot draw.
    static QImage GraphicImage(const TReportGraphic& Graphic);

    // A page-stream text in a font's character set as the characters to draw.
    static QString DeviceText(std::string_view Text, uint8_t CharSet);

  private:
    enum TTextAlign { taLeft, taCenter, taRight };
    void DrawText(const std::string& Text, double X, double Y, TTextAlign Align);
    QRect DeviceRect(double X1, double Y1, double X2, double Y2);
    void DrawImage(const QImage& Image, const QRect& Target);
    static constexpr double PictureDPI = 72;
    QRect PictureRect(const QImage& Image, double X, double Y, double ScaleX, double ScaleY);
    template <class Draw>
    void ArcLike(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4,
                 Draw draw);

    QPainter& Canvas();

    QFont DeviceFont_;
    QPen Pen_;
    QBrush Brush_{Qt::white};
    QColor FontColor_ = Qt::black;
    int Rotation_ = 0; // degrees
    uint8_t CharSet_ = 1;
    QPoint Current_;
};
