// The round number picker that opens where the player clicks an empty square: the digits 1-9
// round a hatched ring, the erase symbol at the top and the square's present digit in a yellow
// centre disc. It reports presses; the window decides what they do.
#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class TNumberPicker : public QWidget {
    Q_OBJECT

  public:
    static constexpr int PickerWidth = 109;
    static constexpr int PickerHeight = 137;
    // Parts, bottom to top; a press goes to the topmost part under the pointer.
    enum TPart { ptNone = -1, ptShape1, ptErase, ptDigit1, ptDigit9 = ptDigit1 + 8, ptShape2, ptCentre };

    explicit TNumberPicker(QWidget* parent = nullptr);

    void SetCentreText(const QString& text);
    // The time of the press that opened the picker. A press on the picker within the double-click
    // interval of it is the second half of a double click on the board, not a choice.
    void SetOpenedAt(quint64 timestamp) { FOpenedAt = timestamp; }
    QString CentreText() const { return FCentreText; }

    // The topmost part at a point in the picker's coordinates, and where each part lies.
    static TPart PartAt(const QPoint& point);
    static QRect PartRect(TPart part);
    // The digit a label part stands for: 1-9, and 0 for the erase symbol and the centre digit
    // (both erase). -1 for the two shapes.
    static int PartTag(TPart part);
    static bool IsLabel(TPart part) {
        return part == ptErase || part == ptCentre || (part >= ptDigit1 && part <= ptDigit9);
    }

    TPart HotPart() const { return FHot; }

  signals:
    // A press on the outer circle (Tag -1) or on a label (its tag); any mouse button.
    void Shape1MouseDown(int tag);
    // A press on the yellow centre disc.
    void Shape2MouseDown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void SetHot(TPart part);
    QColor LabelColour(TPart part) const;

    QString FCentreText;
    std::optional<quint64> FOpenedAt;
    TPart FHot = ptNone;
    // A label the pointer has left shows navy from then on, even the centre digit.
    bool FCentreLeft = false;
};
