// The Print Puzzle Book dialog: first puzzle number, how many, level, puzzles per page, solutions
// and the paper for files. Its limits keep every choice a book can be made of.
#pragma once

#include "game/PuzzleBook.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

class TBookForm : public QDialog {
    Q_OBJECT
  public:
    // FirstNumber (below 1 taken as 1) and Level (1-4, else Medium) start the dialog.
    TBookForm(std::int32_t FirstNumber, std::int32_t Level, QWidget* Parent = nullptr);

    // The book the dialog shows; the level's window is the one its level button sets.
    TBookOptions Options() const;

    QSpinBox* FirstEdit;
    QSpinBox* CountEdit;
    QComboBox* LevelBox;
    QComboBox* PerPageBox;
    QCheckBox* SolutionsCheck;
    QComboBox* PaperBox;
    QLabel* SummaryLabel; // "Puzzles 1000-1099 on 34 pages"

  private:
    void Update();
};
