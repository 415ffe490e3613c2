// The preview window offscreen: its actions, typed keys, page and zoom boxes, status bar, and
// opening and saving page-stream files.
#include "report/qt/PreviewForm.h"

#include "PrintTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

class PreviewFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        System.SetPlatform(Platform);
        RecordInto(Stream, [](TBaseReport& r) { DrawPages(r, 3); });
        Form = std::make_unique<TPreviewForm>(System);
        Form->Preview.ScreenXDPI = Form->Preview.ScreenYDPI = 96;
        Form->Start(Stream);
    }
    static void Enter(QLineEdit* Box, const char* Text) {
        Box->setText(Text);
        QTest::keyClick(Box, Qt::Key_Return);
    }
    // The window as the user sees it: the status bar, the page and zoom boxes, and which of First,
    // Previous, Next and Last are enabled.
    std::string Shown() const {
        QString out = Form->StatusBar->currentMessage() + ", page box " + Form->editPage->text() + " " +
                      Form->labelPageCount->text().trimmed() + ", zoom box " + Form->editZoom->text() + ", ";
        for (const auto& [action, letter] : {std::pair{Form->actnPage_First, "F"},
                                             {Form->actnPage_Previous, "P"},
                                             {Form->actnPage_Next, "N"},
                                             {Form->actnPage_Last, "L"}})
            out += action->isEnabled() ? letter : "-";
        return out.toStdString() + "\n";
    }
    TTestPlatform Platform;
    TReportSystem System;
    TMemoryStream Stream;
    std::unique_ptr<TPreviewForm> Form;
};

} // namespace

// Each step types keys into the window or a page or zoom into its box; the golden list shows the
// window after it. The last two fit the page's width, then the whole page, into the window.
TEST_F(PreviewFormTest, KeysAndBoxesMovePagesAndZoom) {
    std::string out = "opened: " + Shown();
    for (const auto& [keys, page, zoom] : {std::tuple{"n", "", ""},
                                           {"e", "", ""},
                                           {"P", "", ""},
                                           {"b", "", ""},
                                           {"", "3", ""},
                                           {"", "9", ""},
                                           {"b+", "", ""},
                                           {"--", "", ""},
                                           {"", "", "500"},
                                           {"w", "", ""},
                                           {"f", "", ""}}) {
        QTest::keyClicks(Form.get(), keys);
        if (*page) Enter(Form->editPage, page);
        if (*zoom) Enter(Form->editZoom, zoom);
        out += "keys '" + std::string(keys) + "' page '" + page + "' zoom '" + zoom + "': " + Shown();
    }
    EXPECT_TRUE(test::MatchesGoldenFile(out, PRINTING_TEST_DATA "/preview-form-steps.txt"));
}

TEST_F(PreviewFormTest, SaveAsKeepsTheStreamAndOpenRefusesDamagedFiles) {
    test::TempFolder dir;
    ASSERT_TRUE(Form->SaveFile(QString::fromStdString(dir.File("copy.ndr"))));
    EXPECT_EQ(test::ReadWholeFile(dir.File("copy.ndr")),
              std::string(Stream.Bytes().begin(), Stream.Bytes().end()));

    test::WriteWholeFile(dir.File("bad.ndr"), "not a report");
    TMessageCatcher messages; // a message box would wait for the user
    Form->Preview.LastPage();
    // A device is refused at once, not read until memory runs out; the report shown stays.
    for (const std::string& bad : {dir.File("bad.ndr"), std::string("/dev/zero")}) {
        EXPECT_FALSE(Form->OpenFile(QString::fromStdString(bad))) << bad;
        EXPECT_EQ(Form->Preview.PageCount(), 3) << bad;
    }
    EXPECT_EQ(messages.Texts.size(), 2);

    TMemoryStream one;
    RecordInto(one, [](TBaseReport& r) { DrawPages(r, 1); });
    SaveBytesToFile(dir.File("one.ndr"), one.Bytes());
    EXPECT_TRUE(Form->OpenFile(QString::fromStdString(dir.File("one.ndr"))));
    EXPECT_EQ(Form->StatusText(), "Page 1 of 1");
}

TEST_F(PreviewFormTest, DamagedPageShowsTheReadersMessageAndKeepsTheLastGoodPage) {
    DamagePage(Stream, 2);
    TMessageCatcher messages;
    const QImage first = Form->Preview.PageImage();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Next", [&] { Form->actnPage_Next->trigger(); }},
        {"typed N", [&] { QTest::keyClicks(Form.get(), "n"); }},
        {"page box", [&] { Enter(Form->editPage, "2"); }}};
    for (const auto& [how, step] : ways) {
        SCOPED_TRACE(how);
        step();
        EXPECT_EQ(Form->StatusText(), "Page 1 of 3");
        EXPECT_EQ(Form->Preview.PageImage(), first);
    }
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
        EXPECT_TRUE(widget->isVisible() &&
                    widget->geometry().right() <= Form->ToolBar->contentsRect().right())
            << action->text().toStdString();
    }
}

TEST_F(PreviewFormTest, SaveAsPdfNeedsNoPrinter) {
    Platform.Printer = false;
    EXPECT_FALSE(Form->actnFile_SavePdf->isEnabled()); // no PDF writer registered yet
    TTextRender pdf; // a file format as the program registers the PDF writer
    pdf.SetDisplayName("Portable Document Format (PDF)");
    pdf.SetFileExtension("*.pdf");
    Form = std::make_unique<TPreviewForm>(System);
    Form->Start(Stream);
    EXPECT_FALSE(Form->actnFile_Print->isEnabled());
    EXPECT_TRUE(Form->actnFile_SavePdf->isEnabled());
    EXPECT_TRUE(Form->SavePdf("/tmp/puzzle.pdf"));
    EXPECT_EQ(pdf.OutputFileName(), "/tmp/puzzle.pdf");
    EXPECT_EQ(pdf.Pages, 3);
}
