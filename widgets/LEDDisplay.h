#pragma once

#include "widgets/BorderControl.h"
#include "widgets/LedGeometry.h"
#include "widgets/LedLayout.h"
#include "widgets/LedPainter.h"

#include <QColor>
#include <QString>

#include <cstdint>

class QTimer;

// A dot-matrix text panel: each character is 5 x 7 dots plus a spacing column, lit dots in SegOnColor,
// unlit in SegOffColor, on BackColor. The dot size follows the height of the client area. The text
// stands left, right or centred, or scrolls through the panel one dot column per ScrollDelay.
class TLEDDisplay : public TBorderControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE SetBackColor)
    Q_PROPERTY(QColor SegOnColor READ SegOnColor WRITE SetSegOnColor)
    Q_PROPERTY(QColor SegOffColor READ SegOffColor WRITE SetSegOffColor)
    Q_PROPERTY(bool Scrolling READ Scrolling WRITE SetScrolling)
    Q_PROPERTY(int ScrollDelay READ ScrollDelay WRITE SetScrollDelay)

  public:
    explicit TLEDDisplay(QWidget* parent = nullptr);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    // The label-style names, so the panel can stand where a plain text label stood.
    QString text() const { return Caption(); }
    void setText(const QString& text) { SetCaption(text); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    QColor BackColor() const { return FColors.Back; }
    void SetBackColor(const QColor& colour);
    QColor SegOnColor() const { return FColors.SegOn; }
    void SetSegOnColor(const QColor& colour);
    QColor SegOffColor() const { return FColors.SegOff; }
    void SetSegOffColor(const QColor& colour);
    TScrollType ScrollType() const { return FScrollType; }
    void SetScrollType(TScrollType type);
    bool Scrolling() const { return FScrolling; }
    void SetScrolling(bool scrolling);
    std::uint16_t ScrollDelay() const { return FScrollDelay; }
    void SetScrollDelay(std::uint16_t delay);

    // Derived state. It is worked out from the current bounds, border and caption whenever it is asked
    // for, so it always follows them (a hidden widget gets no resize events to recompute on).
    TLedGeometry Geometry() const { return LedGeometryFor(ClientRect().height()); }
    int DotSize() const { return Geometry().DotSize; }
    int DotGap() const { return Geometry().DotGap; }
    int DotPitch() const { return Geometry().DotPitch; }
    int CellWidth() const { return Geometry().CellWidth; }
    int CellHeight() const { return Geometry().CellHeight; }
    int ScrollLimit() const;
    int ScrollPos() const { return FScrollPos; }
    bool ScrollTimerActive() const;

    // One scroll step, as the timer does it: advance by one dot pitch; after the whole text has
    // passed, start again from 0 and fire ScrollComplete.
    void ScrollTimerTick();

    // The client area as it is painted, without the border; null when nothing is drawn there.
    // Scale gives device pixels per widget pixel.
    QImage RenderClient(qreal scale = 1.0);

    QSize sizeHint() const override { return {100, 30}; }

  signals:
    void ScrollComplete();

  protected:
    // Draws one character cell; override for glyphs of another shape.
    virtual void DrawChar(QPainter& canvas, const QRect& cell, std::uint8_t ch);

    void PaintClient(QPainter& painter, const QRect& client) override;

  private:
    TLedScene Scene() const;

    QString FCaption;
    std::string FCodes; // the caption as 8-bit character codes
    TAlignment FAlignment = taLeftJustify;
    TLedColors FColors;
    TScrollType FScrollType = stRightToLeft;
    bool FScrolling = false;
    std::uint16_t FScrollDelay = 100;
    int FScrollPos = 0;
    QTimer* FTimer;
};
