#include "report/qt/StatusForm.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TStatusForm::TStatusForm(const QString& Title, QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(Title);
    setObjectName("StatusForm");
    auto* layout = new QVBoxLayout(this);
    StatusLabel = new QLabel;
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->setMinimumWidth(240);
    CancelButton = new QPushButton("Cancel");
    layout->addWidget(StatusLabel);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);
    connect(CancelButton, &QPushButton::clicked, this, [this] {
        if (Waiting_) {
            Waiting_ = false;
            return;
        }
        CancelButton->setEnabled(false);
        if (OnCancel) OnCancel();
    });
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TStatusForm::ShowStatus(const QString& Line) {
    StatusLabel->setText(Line);
    QCoreApplication::processEvents();
}

void TStatusForm::WaitForOK() {
    CancelButton->setText("Ok");
    CancelButton->setEnabled(true);
    Waiting_ = true;
    while (Waiting_ && isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Waiting_ = false;
}
