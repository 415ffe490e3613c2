// The About box: its texts fit, its links open their addresses, its background, its close button.
#include "app/AboutForm.h"

#include "widgets/GradientBackground.h"
#include "widgets/URLLabel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
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
    UrlCatcher() { QDesktopServices::setUrlHandler("https", this, "Open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("https"); }
    QList<QUrl> Opened;
  public slots:
    void Open(const QUrl& url) { Opened.append(url); }
};

} // namespace

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

TEST(AboutForm, ClickingALinkOpensItsAddressAndMarksItVisited) {
    UrlCatcher catcher;
    TAboutForm box(nullptr);
    box.show();
    QTest::mouseClick(box.URLLabel2, Qt::LeftButton);
    EXPECT_EQ(catcher.Opened, QList<QUrl>{QUrl("https://www.velmora.co.uk/")});
    EXPECT_TRUE(box.URLLabel2->Visited());
    EXPECT_NE(box.URLLabel2->ShownColor(), box.palette().color(QPalette::Highlight));

    QTest::mouseClick(box.URLLabel3, Qt::LeftButton);
    ASSERT_EQ(catcher.Opened.size(), 2);
    const QUrlQuery donation(catcher.Opened[1]);
    EXPECT_EQ(donation.queryItemValue("business", QUrl::FullyDecoded), "donations@velmora.co.uk");
    EXPECT_EQ(donation.queryItemValue("item_name", QUrl::FullyDecoded).replace('+', ' '),
              "Velmora 9x9 Puzzle");
    EXPECT_EQ(box.URLLabel3->ShownColor(), QColor(0, 0, 128)); // navy once visited too
    // A right click is not a click on the link.
    QTest::mouseClick(box.URLLabel3, Qt::RightButton);
    EXPECT_EQ(catcher.Opened.size(), 2);
}

TEST(AboutForm, BackgroundRunsFromLightBlueBottomLeftToWhiteTopRight) {
    TAboutForm box(nullptr);
    const QImage picture = box.Background1->grab().toImage();
    ASSERT_EQ(picture.size(), QSize(407, 259)) << "the background fills the box";
    const QColor start = picture.pixelColor(0, 258), end = picture.pixelColor(406, 0);
    EXPECT_LE(std::abs(start.red() - 206) + std::abs(start.green() - 231) + std::abs(start.blue() - 255), 6);
    EXPECT_TRUE(end.red() >= 250 && end.green() >= 250);
    const int middle = picture.pixelColor(0, 0).red(); // half way along the falling diagonal
    EXPECT_TRUE(middle > 215 && middle < 245) << middle;
}

TEST(AboutForm, CloseButtonEndsTheModalLoopWhileTimersOfTheOwnerRun) {
    QWidget owner;
    TAboutForm box(&owner);
    int ticks = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] { ++ticks; });
    clock.start(10);
    QTimer::singleShot(200, box.BitBtn1, [&] { box.BitBtn1->click(); });
    EXPECT_EQ(box.exec(), QDialog::Rejected);
    EXPECT_FALSE(box.isVisible());
    EXPECT_GT(ticks, 3);
}

#include "AboutForm_test.moc"
