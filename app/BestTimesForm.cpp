#include "app/BestTimesForm.h"

#include "game/GameTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

TBestTimesForm::TBestTimesForm(const TBestTimes& times, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BestTimesForm"));
    setWindowTitle(QString::fromLatin1(GameTexts::BestTimesCaption));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    const char* headings[4] = {"Level", "Best time", "Games", "Average"};
    for (int column = 0; column < 4; ++column) {
        auto* label = new QLabel(QString::fromLatin1(headings[column]));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, 0, column);
    }
    for (int level = 1; level <= 4; ++level) {
        const TLevelRecord& record = times.Levels[static_cast<std::size_t>(level - 1)];
        const bool any = record.Completed > 0;
        const QString cells[4] = {
            QString::fromLatin1(LevelName(level).data()),
            any ? QString::fromStdString(FormatMinutes(record.BestSeconds)) : QStringLiteral("-"),
            QString::number(record.Completed),
            any ? QString::fromStdString(FormatMinutes(record.AverageSeconds())) : QStringLiteral("-")};
        for (int column = 0; column < 4; ++column) {
            auto* label = new QLabel(cells[column]);
            if (column > 0) label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(label, level, column);
        }
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

QString TBestTimesForm::CellText(int row, int column) const {
    auto* grid = static_cast<QGridLayout*>(layout()->itemAt(0)->layout());
    QLayoutItem* item = grid->itemAtPosition(row, column);
    const auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    return label ? label->text() : QString();
}
