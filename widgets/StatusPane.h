#pragma once

#include <QLabel>

// One text pane of the status bar: a sunken box of fixed width with a little room around the text.
class TStatusPane : public QLabel {
    Q_OBJECT

  public:
    TStatusPane(int width, Qt::Alignment alignment = Qt::AlignLeft, QWidget* parent = nullptr);
    TStatusPane(const QString& text, int width, Qt::Alignment alignment = Qt::AlignLeft,
                QWidget* parent = nullptr);
};
