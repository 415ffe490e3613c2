#include "app/AboutForm.h"

#include "widgets/GradientBackground.h"
#include "widgets/URLLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <gtest/gtest.h>

namespace {

// Catches the addresses the box hands to the desktop instead of starting a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    UrlCatcher() {
        QDesktopServices::setUrlHandler("https", this, "Open");
        QDesktopServices::setUrlHandler("http", this, "Open");
    }
    ~UrlCatcher() override {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }
    QList<QUrl> Opened;
  public slots:
    void Open(const QUrl& url) { Opened.append(url); }
};

QPoint CentreOf(QWidget* w) {
    return w->rect().center();
}

} // namespace

TEST(AboutForm, WindowAndTextsAreTheGameOwn) {
    QWidget owner;
    TAboutForm box(&owner);
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.size(), QSize(407, 259));
    EXPECT_EQ(box.minimumSize(), box.maximumSize()); // fixed size
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.parentWidget(), &owner);
    EXPECT_EQ(box.Label2->text(), "Warning: this game contains 8,589,854,588 Sudoku Puzzles    (at one per "
                                  "hour, that's 983,280 years of puzzling)");
    EXPECT_TRUE(box.Label2->wordWrap());
    EXPECT_TRUE(box.Label2->font().italic());
    EXPECT_EQ(box.Label2->font().pixelSize(), 29);
    EXPECT_EQ(box.URLLabel3->text(),
              "If you enjoy playing this game, please consider making a PayPal donation");
    EXPECT_EQ(box.URLLabel2->text(), "Visit me, and find more games, at: www.velmora.co.uk");
    EXPECT_FALSE(box.Label1->text().isEmpty());
    EXPECT_EQ(box.font().pixelSize(), 11);
}

TEST(AboutForm, ElementsSitWhereTheLayoutPutsThem) {
    TAboutForm box(nullptr);
    EXPECT_EQ(box.Background1->geometry(), QRect(0, 0, 407, 259));
    EXPECT_EQ(box.Label2->geometry(), QRect(3, -6, 400, 160));
    EXPECT_EQ(box.URLLabel3->geometry(), QRect(3, 160, 402, 13));
    EXPECT_EQ(box.URLLabel2->geometry(), QRect(2, 182, 403, 13));
    EXPECT_EQ(box.BitBtn1->pos(), QPoint(166, 206));
    EXPECT_EQ(box.Label1->geometry(), QRect(86, 238, 235, 13));
    EXPECT_TRUE(box.URLLabel3->font().underline());
    EXPECT_TRUE(box.URLLabel2->font().underline());
    EXPECT_EQ(box.URLLabel3->ShownColor(), QColor(0, 0, 128));
    EXPECT_EQ(box.URLLabel2->ShownColor(), box.palette().color(QPalette::Highlight));
}

TEST(AboutForm, EveryTextFitsItsBox) {
    TAboutForm box(nullptr);
    // The headline wraps inside its 160-pixel box; the one-line labels fit their widths.
    const QRect headline = QFontMetrics(box.Label2->font())
                               .boundingRect(QRect(0, 0, box.Label2->width(), 1000),
                                             Qt::AlignHCenter | Qt::TextWordWrap, box.Label2->text());
    EXPECT_LE(headline.height(), box.Label2->height() - 12); // the box starts 6 pixels above the client
    for (QLabel* line :
         {static_cast<QLabel*>(box.URLLabel3), static_cast<QLabel*>(box.URLLabel2), box.Label1}) {
        const QFontMetrics metrics(line->font());
        EXPECT_LE(metrics.horizontalAdvance(line->text()), line->width()) << line->text().toStdString();
        EXPECT_LE(metrics.height(), line->height() + 2) << line->text().toStdString();
    }
}

TEST(AboutForm, DonationAddressIsSetWhenShownAndNamesRecipientAndItem) {
    TAboutForm box(nullptr);
    EXPECT_TRUE(box.URLLabel3->URL().isEmpty());
    box.show();
    const QUrl donation(box.URLLabel3->URL());
    ASSERT_TRUE(donation.isValid());
    EXPECT_EQ(donation.scheme(), "https");
    const QUrlQuery query(donation);
    EXPECT_EQ(query.queryItemValue("business", QUrl::FullyDecoded), "donations@velmora.co.uk");
    EXPECT_EQ(query.queryItemValue("item_name", QUrl::FullyDecoded).replace('+', ' '), "Velmora 9x9 Puzzle");
    const QUrl site(box.URLLabel2->URL());
    EXPECT_EQ(site.host(), "www.velmora.co.uk");
    EXPECT_TRUE(box.URLLabel2->text().endsWith(site.host()));
}

TEST(AboutForm, ClickingALinkOpensItsAddressAndMarksItVisited) {
    UrlCatcher catcher;
    TAboutForm box(nullptr);
    box.show();
    QTest::mouseClick(box.URLLabel2, Qt::LeftButton, {}, CentreOf(box.URLLabel2));
    ASSERT_EQ(catcher.Opened.size(), 1);
    EXPECT_EQ(catcher.Opened[0], QUrl("https://www.velmora.co.uk/"));
    EXPECT_TRUE(box.URLLabel2->Visited());
    EXPECT_NE(box.URLLabel2->ShownColor(), box.palette().color(QPalette::Highlight));

    QTest::mouseClick(box.URLLabel3, Qt::LeftButton, {}, CentreOf(box.URLLabel3));
    ASSERT_EQ(catcher.Opened.size(), 2);
    EXPECT_EQ(catcher.Opened[1], QUrl(TAboutForm::DonationAddress));
    EXPECT_EQ(box.URLLabel3->ShownColor(), QColor(0, 0, 128)); // navy once visited too
    // A right click is not a click on the link.
    QTest::mouseClick(box.URLLabel3, Qt::RightButton, {}, CentreOf(box.URLLabel3));
    EXPECT_EQ(catcher.Opened.size(), 2);
}

TEST(AboutForm, BackgroundRunsFromLightBlueBottomLeftToWhiteTopRight) {
    TAboutForm box(nullptr);
    const QImage picture = box.Background1->grab().toImage();
    ASSERT_EQ(picture.size(), QSize(407, 259));
    const QColor start = picture.pixelColor(0, 258);
    const QColor end = picture.pixelColor(406, 0);
    EXPECT_LE(std::abs(start.red() - 206) + std::abs(start.green() - 231) + std::abs(start.blue() - 255), 6);
    EXPECT_GE(end.red(), 250);
    EXPECT_GE(end.green(), 250);
    // The falling diagonal's corners are half way between.
    const QColor middle = picture.pixelColor(0, 0);
    EXPECT_GT(middle.red(), 215);
    EXPECT_LT(middle.red(), 245);
}

TEST(AboutForm, CloseButtonEndsTheModalLoopWhileTimersOfTheOwnerRun) {
    QWidget owner;
    TAboutForm box(&owner);
    int ticks = 0;
    QTimer clock;
    clock.setInterval(10);
    QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start();
    QTimer::singleShot(200, box.BitBtn1, [&] { box.BitBtn1->click(); });
    const int result = box.exec();
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_FALSE(box.isVisible());
    EXPECT_GT(ticks, 3);
}

#include "AboutForm_test.moc"
