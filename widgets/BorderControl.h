#pragma once

#include <QColor>
#include <QFlags>
#include <QMargins>
#include <QRect>
#include <QWidget>

// Border styles of the bordered control, from the outside in: BorderOuter, then BorderInner.
enum TFrameStyle { fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsRaised, fsButton };

enum TBorderSide { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
Q_DECLARE_FLAGS(TBorderSides, TBorderSide)
Q_DECLARE_OPERATORS_FOR_FLAGS(TBorderSides)
constexpr TBorderSides AllBorderSides = TBorderSides(sdLeft | sdTop | sdRight | sdBottom);

// Pixels one frame style takes on each side it is drawn on.
int FrameStyleWidth(TFrameStyle style);

struct TBorderSettings {
    TFrameStyle Outer = fsNone;
    TFrameStyle Inner = fsNone;
    int Width = 0; // plain gap inside the frames, on every side
    TBorderSides Sides = AllBorderSides;
};

// How far the client area sits inside the control on each side.
QMargins BorderMargins(const TBorderSettings& border);

// The client area of a control of the given size: inside the border, never of negative size.
QRect BorderClientRect(QSize controlSize, const TBorderSettings& border);

// A control with a configurable border; subclasses paint the client area inside it.
class TBorderControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)

  public:
    explicit TBorderControl(QWidget* parent = nullptr);

    TFrameStyle BorderOuter() const { return FBorder.Outer; }
    void SetBorderOuter(TFrameStyle style);
    TFrameStyle BorderInner() const { return FBorder.Inner; }
    void SetBorderInner(TFrameStyle style);
    int BorderWidth() const { return FBorder.Width; }
    void SetBorderWidth(int width);
    TBorderSides BorderSides() const { return FBorder.Sides; }
    void SetBorderSides(TBorderSides sides);
    QColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(const QColor& colour);
    const TBorderSettings& Border() const { return FBorder; }

    // The area inside the border, in the control's coordinates.
    QRect ClientRect() const { return BorderClientRect(size(), FBorder); }

  signals:
    void Click();
    void DblClick();

  protected:
    // Paints the client area; the border is already drawn.
    virtual void PaintClient(QPainter& painter, const QRect& client) = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void PaintFrame(QPainter& painter, QRect& bounds, TFrameStyle style) const;

    TBorderSettings FBorder;
    QColor FBorderColor{0, 0, 0};
    bool FPressed = false;
};
