#include "app/BookForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int PerPageChoices[] = {1, 2, 4, 6};

} // namespace

TBookForm::TBookForm(std::int32_t FirstNumber, std::int32_t Level, QWidget* Parent) : QDialog(Parent) {
    setWindowTitle("Print Puzzle Book");
    setObjectName("BookForm");
    FirstEdit = new QSpinBox;
    FirstEdit->setRange(1, MaxPuzzleNumber);
    FirstEdit->setValue(std::max(FirstNumber, 1));
    CountEdit = new QSpinBox;
    CountEdit->setRange(1, MaxBookCount);
    CountEdit->setValue(std::min(100, MaxPuzzleNumber - FirstEdit->value() + 1));
    LevelBox = new QComboBox;
    LevelBox->addItems({"Easy", "Medium", "Hard", "Extra Hard"});
    LevelBox->setCurrentIndex(Level >= MinLevel && Level <= MaxLevel ? Level - 1 : 1);
    PerPageBox = new QComboBox;
    for (const int PerPage : PerPageChoices)
        PerPageBox->addItem(QString::number(PerPage), PerPage);
    PerPageBox->setCurrentIndex(2);
    SolutionsCheck = new QCheckBox("Solutions at the back");
    SolutionsCheck->setChecked(true);
    PaperBox = new QComboBox;
    PaperBox->addItem("A4", static_cast<int>(TBookPaper::bpA4));
    PaperBox->addItem("Letter", static_cast<int>(TBookPaper::bpLetter));
    PaperBox->setCurrentIndex(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? 1 : 0);
    SummaryLabel = new QLabel;

    auto* form = new QFormLayout;
    form->addRow("&First puzzle:", FirstEdit);
    form->addRow("&Number of puzzles:", CountEdit);
    form->addRow("&Level:", LevelBox);
    form->addRow("Puzzles per &page:", PerPageBox);
    form->addRow("", SolutionsCheck);
    form->addRow("Paper for &files:", PaperBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(SummaryLabel);
    layout->addWidget(buttons);

    connect(FirstEdit, &QSpinBox::valueChanged, this, &TBookForm::Update);
    connect(CountEdit, &QSpinBox::valueChanged, this, &TBookForm::Update);
    connect(PerPageBox, &QComboBox::currentIndexChanged, this, &TBookForm::Update);
    connect(SolutionsCheck, &QCheckBox::toggled, this, &TBookForm::Update);
    Update();
}

TBookOptions TBookForm::Options() const {
    TBookOptions book;
    book.FirstNumber = FirstEdit->value();
    book.Count = CountEdit->value();
    book.Difficulty = LevelBox->currentIndex() + 1;
    book.Window = LevelWindow(book.Difficulty);
    book.PerPage = PerPageBox->currentData().toInt();
    book.Solutions = SolutionsCheck->isChecked();
    book.Paper = static_cast<TBookPaper>(PaperBox->currentData().toInt());
    return book;
}

// The count never runs past the last puzzle number.
void TBookForm::Update() {
    CountEdit->setMaximum(std::min(MaxBookCount, MaxPuzzleNumber - FirstEdit->value() + 1));
    const TBookOptions book = Options();
    const std::int32_t last = book.FirstNumber + (book.Count - 1);
    const int pages = BookPageCount(book);
    SummaryLabel->setText(QString("Puzzles %1-%2 on %3 page%4")
                              .arg(book.FirstNumber)
                              .arg(last)
                              .arg(pages)
                              .arg(pages == 1 ? "" : "s"));
}
