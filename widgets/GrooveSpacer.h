#pragma once

#include <QWidget>

// A thin vertical groove between groups of toolbar buttons.
class TGrooveSpacer : public QWidget {
    Q_OBJECT

  public:
    explicit TGrooveSpacer(QWidget* parent = nullptr, int width = 8);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
