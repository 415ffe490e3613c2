#pragma once

#include "game/PuzzlePage.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TGradientBackground;
class TURLLabel;

// The About box: a line about the number of puzzles, the donation and home page links, a notice and
// a Close button. Modal; the main window's timers keep running while it is open.
class TAboutForm : public QDialog {
    Q_OBJECT

  public:
    // The maker's web site: the same host the printed page names in its header.
    static constexpr const char* WebSiteHost = VelmoraSite;
    static constexpr const char* WebSiteAddress = "https://www.velmora.co.uk/";
    // The payment service's donation form with the recipient and the item filled in.
    static constexpr const char* DonationAddress =
        "https://www.paypal.com/donate?business=donations%40velmora.co.uk&item_name=Velmora+9x9+Puzzle";

    explicit TAboutForm(QWidget* owner);

    TGradientBackground* Background1;
    QLabel* Label2;
    TURLLabel* URLLabel3;
    TURLLabel* URLLabel2;
    QPushButton* BitBtn1;
    QLabel* Label1;

    void FormShow();
    void BitBtn1Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CentreOnScreen();
};
