#include "app/AboutForm.h"

#include "widgets/GradientBackground.h"
#include "widgets/URLLabel.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int ClientWidth = 407;
constexpr int ClientHeight = 259;

// Liberation Sans stands in for MS Sans Serif and Arial. Gill Sans MT is rarely installed on Linux; it
// is narrower than Arial, so the narrow Liberation face at the same pixel size keeps the headline to
// the four lines its box has room for.
QFont FormFont() {
    QFont f;
    f.setFamilies({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    f.setPixelSize(11);
    return f;
}

QFont HeadlineFont() {
    QFont f;
    f.setFamilies(
        {"Gill Sans MT", "Gill Sans", "Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans"});
    f.setPixelSize(29);
    f.setItalic(true);
    return f;
}

TURLLabel* MakeLink(QWidget* parent, const QString& caption, QRect bounds) {
    auto* link = new TURLLabel(caption, parent);
    link->setGeometry(bounds);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return link;
}

} // namespace

TAboutForm::TAboutForm(QWidget* owner) : QDialog(owner) {
    setWindowTitle("About");
    setModal(true);
    setFont(FormFont());
    setFixedSize(ClientWidth, ClientHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Background1 = new TGradientBackground(this);
    Background1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Background1->SetStartColor(QColor(206, 231, 255));
    Background1->SetEndColor(Qt::white);
    Background1->SetDirection(gdRisingDiagonal);

    Label2 = new QLabel("Warning: this game contains 8,589,854,588 Sudoku Puzzles    "
                        "(at one per hour, that's 983,280 years of puzzling)",
                        this);
    Label2->setGeometry(3, -6, 400, 160);
    Label2->setFont(HeadlineFont());
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setWordWrap(true);

    URLLabel3 = MakeLink(this, "If you enjoy playing this game, please consider making a PayPal donation",
                         QRect(3, 160, 402, 13));
    URLLabel3->SetColor(QColor(0, 0, 128));
    URLLabel3->SetVisitedColor(QColor(0, 0, 128));

    URLLabel2 =
        MakeLink(this, QString("Visit me, and find more games, at: ") + WebSiteHost, QRect(2, 182, 403, 13));
    URLLabel2->SetColor(palette().color(QPalette::Highlight));
    URLLabel2->SetURL(WebSiteAddress);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Close", this);
    BitBtn1->setGeometry(166, 206, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);

    Label1 = new QLabel("Free to play and to share. Happy puzzling!", this);
    Label1->setGeometry(86, 238, 235, 13);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void TAboutForm::FormShow() {
    URLLabel3->SetURL(DonationAddress);
}

void TAboutForm::BitBtn1Click() {
    reject();
}

void TAboutForm::showEvent(QShowEvent* event) {
    FormShow();
    CentreOnScreen();
    QDialog::showEvent(event);
}

void TAboutForm::CentreOnScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}
