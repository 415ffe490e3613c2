// The Print Puzzle Book dialog: its limits, and the book it hands to the print run.
#include "app/BookForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include <gtest/gtest.h>

#include <tuple>

TEST(BookForm, LimitsKeepEveryChoiceABook) {
    TBookForm Form(1042, 3);
    ASSERT_EQ(Form.PerPageBox->count(), 4);
    const int PerPage[] = {1, 2, 4, 6};
    for (int I = 0; I < 4; ++I)
        EXPECT_EQ(Form.PerPageBox->itemText(I).toInt(), PerPage[I]);
    // Typed values outside the limits are refused; near the last number the count shrinks.
    Form.CountEdit->setValue(10001);
    EXPECT_EQ(Form.CountEdit->value(), 10000);
    Form.FirstEdit->setValue(2147483640);
    EXPECT_EQ(Form.CountEdit->value(), 8);
    EXPECT_EQ(Form.SummaryLabel->text(), "Puzzles 2147483640-2147483647 on 4 pages");
    Form.FirstEdit->setValue(0);
    EXPECT_EQ(Form.FirstEdit->value(), 1);
    EXPECT_EQ(Form.CountEdit->maximum(), 10000);
    EXPECT_TRUE(BookOptionsError(Form.Options()).empty());
}

TEST(BookForm, StartsAtTheCurrentPuzzleAndLevelAndHandsOverTheBook) {
    TBookForm Form(1042, 3);
    Form.CountEdit->setValue(100);
    Form.PerPageBox->setCurrentIndex(3);
    Form.SolutionsCheck->setChecked(false);
    Form.PaperBox->setCurrentIndex(1);
    const TBookOptions Book = Form.Options();
    EXPECT_EQ(std::tie(Book.FirstNumber, Book.Count, Book.Difficulty, Book.Window, Book.PerPage,
                       Book.Solutions, Book.Paper),
              std::tuple(1042, 100, 3, LevelWindow(3), 6, false, TBookPaper::bpLetter));
    EXPECT_EQ(Form.SummaryLabel->text(), "Puzzles 1042-1141 on 17 pages");
    // No puzzle dealt yet (number 0) and a level out of range start at puzzle 1, Medium.
    TBookForm Fresh(0, 9);
    EXPECT_EQ(std::pair(Fresh.Options().FirstNumber, Fresh.Options().Difficulty), std::pair(1, 2));
}
