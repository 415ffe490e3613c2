// The Best Times window: for each level the best time, the games completed and their average.
#pragma once

#include "game/BestTimes.h"

#include <QDialog>

class TBestTimesForm : public QDialog {
    Q_OBJECT

  public:
    explicit TBestTimesForm(const TBestTimes& times, QWidget* parent = nullptr);

    // The text of a cell: row 0 is the heading, rows 1-4 the levels; columns level, best time,
    // games, average.
    QString CellText(int row, int column) const;
};
