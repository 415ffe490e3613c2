// The preview window offscreen: its actions, typed keys, page and zoom boxes, status bar, and
// opening and saving page-stream files.
#include "report/qt/PreviewForm.h"

#include "PrintTestSupport.h"
#include "TestPlatform.h"
#include "report/ReportRender.h"
#include "report/ReportSystem.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

namespace {

// Closes every message box that opens meanwhile and keeps its text.
class TMessageCatcher : public QObject {
  public:
    TMessageCatcher() { QApplication::instance()->installEventFilter(this); }
    ~TMessageCatcher() override { QApplication::instance()->removeEventFilter(this); }
    QStringList Texts;

  protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(Watched)) {
                Texts << box->text();
                QTimer::singleShot(0, box, &QMessageBox::close);
            }
        return false;
    }
};

// A file format as the program registers the PDF writer: it notes what it was asked to write.
class TPdfStandIn : public TReportRender {
  public:
    TPdfStandIn() {
        SetDisplayName("Portable Document Format (PDF)");
        SetFileExtension("*.pdf");
    }
    void RenderToFile(TStream* Stream, const std::string& OutputFileName) override {
        Files.push_back(OutputFileName);
        Sizes.push_back(Stream ? Stream->Size() : 0);
    }
    std::vector<std::string> Files;
    std::vector<uint64_t> Sizes;
};

class PreviewFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        System.SetPlatform(Platform);
        RecordPages(Stream, 3);
        Form = std::make_unique<TPreviewForm>(System);
        Form->Preview.ScreenXDPI = Form->Preview.ScreenYDPI = 96;
        Form->Start(Stream);
    }
    TTestPlatform Platform;
    TReportSystem System;
    TMemoryStream Stream;
    std::unique_ptr<TPreviewForm> Form;
};

} // namespace

TEST_F(PreviewFormTest, PageActionsAndBoxesFollowTheCurrentPage) {
    EXPECT_EQ(Form->StatusText(), "Page 1 of 3");
    EXPECT_EQ(Form->StatusBar->currentMessage(), "Page 1 of 3");
    EXPECT_EQ(Form->editZoom->text(), "100.0");
    EXPECT_FALSE(Form->actnPage_First->isEnabled());
    EXPECT_FALSE(Form->actnPage_Previous->isEnabled());
    EXPECT_TRUE(Form->actnPage_Next->isEnabled());
    Form->editPage->setText("3");
    QTest::keyClick(Form->editPage, Qt::Key_Return);
    EXPECT_EQ(Form->Preview.CurrentPage(), 3);
    EXPECT_TRUE(Form->actnPage_First->isEnabled());
    EXPECT_FALSE(Form->actnPage_Next->isEnabled());
    EXPECT_FALSE(Form->actnPage_Last->isEnabled());
    EXPECT_EQ(Form->labelPageCount->text().trimmed(), "of 3");
    Form->editPage->setText("9");
    QTest::keyClick(Form->editPage, Qt::Key_Return);
    EXPECT_EQ(Form->Preview.CurrentPage(), 3);
    Form->editZoom->setText("500");
    QTest::keyClick(Form->editZoom, Qt::Key_Return);
    EXPECT_EQ(Form->Preview.ZoomFactor(), 200);
    EXPECT_EQ(Form->editZoom->text(), "200.0");
}

TEST_F(PreviewFormTest, TypedKeysMovePagesAndZoom) {
    const std::tuple<const char*, int, double> Steps[] = {{"n", 2, 100}, {"e", 3, 100}, {"P", 2, 100},
                                                          {"b", 1, 100}, {"+", 1, 110}, {"--", 1, 90}};
    for (const auto& [keys, page, zoom] : Steps) {
        QTest::keyClicks(Form.get(), keys);
        EXPECT_EQ(Form->Preview.CurrentPage(), page) << keys;
        EXPECT_EQ(Form->editPage->text(), QString::number(page)) << keys; // the page box follows
        EXPECT_EQ(Form->Preview.ZoomFactor(), zoom) << keys;
        EXPECT_EQ(Form->editZoom->text(), QString::number(zoom, 'f', 1)) << keys;
    }
    QTest::keyClicks(Form.get(), "f");
    EXPECT_LT(Form->Preview.ZoomFactor(), 90); // a whole letter page in a 615 x 450 window
}

TEST_F(PreviewFormTest, SaveAsKeepsTheStreamAndOpenRefusesDamagedFiles) {
    test::TempFolder dir;
    ASSERT_TRUE(Form->SaveFile(QString::fromStdString(dir.File("copy.ndr"))));
    EXPECT_EQ(test::ReadWholeFile(dir.File("copy.ndr")),
              std::string(Stream.Bytes().begin(), Stream.Bytes().end()));

    std::ofstream(dir.File("bad.ndr"), std::ios::binary) << "not a report";
    TMessageCatcher messages; // a message box would wait for the user
    Form->Preview.LastPage();
    EXPECT_FALSE(Form->OpenFile(QString::fromStdString(dir.File("bad.ndr"))));
    EXPECT_EQ(messages.Texts.size(), 1);
    EXPECT_EQ(Form->Preview.PageCount(), 3); // the report shown before is still there
    // A device is refused at once, not read until memory runs out.
    EXPECT_FALSE(Form->OpenFile("/dev/zero"));
    EXPECT_EQ(messages.Texts.size(), 2);
    EXPECT_EQ(Form->Preview.PageCount(), 3);

    TMemoryStream one;
    RecordPages(one, 1);
    SaveBytesToFile(dir.File("one.ndr"), one.Bytes());
    EXPECT_TRUE(Form->OpenFile(QString::fromStdString(dir.File("one.ndr"))));
    EXPECT_EQ(Form->Preview.PageCount(), 1);
    EXPECT_EQ(Form->StatusText(), "Page 1 of 1");
}

TEST_F(PreviewFormTest, DamagedPageShowsTheReadersMessageAndKeepsTheLastGoodPage) {
    DamagePage(Stream, 2);
    TMessageCatcher messages;
    const QImage first = Form->Preview.PageImage();
    const auto stays = [&](const char* how) {
        EXPECT_EQ(Form->Preview.CurrentPage(), 1) << how;
        EXPECT_EQ(Form->StatusText(), "Page 1 of 3") << how;
        EXPECT_EQ(Form->Preview.PageImage(), first) << how;
    };
    Form->actnPage_Next->trigger();
    stays("Next");
    QTest::keyClicks(Form.get(), "n");
    stays("typed N");
    Form->editPage->setText("2");
    QTest::keyClick(Form->editPage, Qt::Key_Return);
    stays("page box");
    ASSERT_EQ(messages.Texts.size(), 3);
    EXPECT_EQ(messages.Texts[0], "Unexpected code [200] found in report file.");
    Form->actnZoom_In->trigger(); // page 1 itself is good
    EXPECT_EQ(Form->Preview.ZoomFactor(), 110);
    Form->actnPage_Last->trigger();
    EXPECT_EQ(Form->Preview.CurrentPage(), 3);
    EXPECT_EQ(messages.Texts.size(), 3);
}

TEST_F(PreviewFormTest, ToolBarShowsEveryActionAndBoxAtTheDefaultSize) {
    Form->show();
    QApplication::processEvents();
    ASSERT_EQ(Form->width(), 615);
    for (QAction* action : Form->ToolBar->actions()) {
        const QWidget* widget = Form->ToolBar->widgetForAction(action);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->isVisible()) << action->text().toStdString();
        EXPECT_LE(widget->geometry().right(), Form->ToolBar->contentsRect().right())
            << action->text().toStdString();
    }
}

TEST_F(PreviewFormTest, SaveAsPdfNeedsNoPrinter) {
    Platform.Printer = false;
    EXPECT_FALSE(Form->actnFile_SavePdf->isEnabled()); // no PDF writer registered yet
    TPdfStandIn pdf;
    Form = std::make_unique<TPreviewForm>(System);
    Form->Start(Stream);
    EXPECT_FALSE(Form->actnFile_Print->isEnabled());
    EXPECT_TRUE(Form->actnFile_SavePdf->isEnabled());
    EXPECT_TRUE(Form->SavePdf("/tmp/puzzle.pdf"));
    EXPECT_EQ(pdf.Files, std::vector<std::string>{"/tmp/puzzle.pdf"});
    EXPECT_EQ(pdf.Sizes, std::vector<uint64_t>{Stream.Size()});
}
