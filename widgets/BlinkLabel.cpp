#include "widgets/BlinkLabel.h"

#include <QTimer>

TBlinkLabel::TBlinkLabel(QWidget* parent) : TBlinkLabel(QString(), parent) {}

TBlinkLabel::TBlinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), FTimer(new QTimer(this)) {
    FTimer->setSingleShot(true);
    connect(FTimer, &QTimer::timeout, this, &TBlinkLabel::Toggle);
    ApplyColour();
}

void TBlinkLabel::SetOnColor(const QColor& colour) {
    FOnColor = colour;
    ApplyColour();
}

void TBlinkLabel::SetOffColor(const QColor& colour) {
    FOffColor = colour;
    ApplyColour();
}

void TBlinkLabel::SetOnTime(int ms) {
    FOnTime = std::max(1, ms);
}

void TBlinkLabel::SetOffTime(int ms) {
    FOffTime = std::max(1, ms);
}

bool TBlinkLabel::Blinking() const {
    return FTimer->isActive();
}

void TBlinkLabel::Toggle() {
    FOn = !FOn;
    ApplyColour();
    if (isVisible()) FTimer->start(FOn ? FOnTime : FOffTime);
}

void TBlinkLabel::showEvent(QShowEvent* event) {
    QLabel::showEvent(event);
    FOn = true;
    ApplyColour();
    FTimer->start(FOnTime);
}

void TBlinkLabel::hideEvent(QHideEvent* event) {
    FTimer->stop();
    QLabel::hideEvent(event);
}

void TBlinkLabel::ApplyColour() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, ShownColor());
    setPalette(p);
}
