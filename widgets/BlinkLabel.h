#pragma once

#include <QColor>
#include <QLabel>

class QTimer;

// A label whose text blinks between two colours: OnColor for OnTime milliseconds, then OffColor for
// OffTime milliseconds, over and over while the label is visible. Hiding it stops the blinking;
// showing it starts again with OnColor.
class TBlinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit TBlinkLabel(QWidget* parent = nullptr);
    TBlinkLabel(const QString& text, QWidget* parent = nullptr);

    QColor OnColor() const { return FOnColor; }
    void SetOnColor(const QColor& colour);
    QColor OffColor() const { return FOffColor; }
    void SetOffColor(const QColor& colour);
    int OnTime() const { return FOnTime; }
    void SetOnTime(int ms);
    int OffTime() const { return FOffTime; }
    void SetOffTime(int ms);

    // Whether the on colour shows now.
    bool IsOn() const { return FOn; }
    QColor ShownColor() const { return FOn ? FOnColor : FOffColor; }
    bool Blinking() const;

    // Switches to the other colour and waits that colour's time; the timer does this.
    void Toggle();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ApplyColour();

    QColor FOnColor{128, 0, 128};
    QColor FOffColor{255, 255, 128};
    int FOnTime = 100;
    int FOffTime = 900;
    bool FOn = true;
    QTimer* FTimer;
};
