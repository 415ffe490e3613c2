#pragma once

#include <QColor>
#include <QToolButton>

// The colour of a difficulty level's button: 1 Easy green, 2 Medium yellow, 3 Hard orange,
// 4 Extra Hard red; other levels grey.
QColor LevelColor(int level);

// A coloured, checkable toolbar button for one difficulty level. Put the four in one exclusive
// QButtonGroup so exactly one is down; the one that is down shows sunk and bright, the others raised and
// muted. Pressed fires on a press with any mouse button, as the level buttons act on the press.
class TLevelButton : public QToolButton {
    Q_OBJECT

  public:
    TLevelButton(int level, QWidget* parent = nullptr);

    int Level() const { return FLevel; }
    QColor Color() const { return FColor; }
    void SetColor(const QColor& colour);

    QSize sizeHint() const override { return {23, 22}; }

  signals:
    void Pressed(Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int FLevel;
    QColor FColor;
};
