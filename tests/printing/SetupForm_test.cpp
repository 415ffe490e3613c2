// The Output Options dialog as the user meets it (offscreen): captions, enabling with and without
// a printer, the format list and filter, OK with an empty file name, and what OK stores.
#include "report/qt/SetupForm.h"

#include "TestPlatform.h"
#include "report/ReportRender.h"
#include "report/ReportSystem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class SetupFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Pdf.SetDisplayName("Portable Document Format (PDF)");
        Pdf.SetFileExtension("*.pdf");
        Hidden.SetActive(false);
        Hidden.SetDisplayName("Hidden preview");
        System.SetPlatform(Platform);
    }
    TTestPlatform Platform;
    TReportSystem System;
    TReportRender Pdf, Hidden;
};

} // namespace

TEST_F(SetupFormTest, CaptionsAndFormatListWithPrinter) {
    TSetupForm form(System, TSetupForm::smDestination);
    EXPECT_EQ(form.windowTitle(), "Output Options");
    EXPECT_EQ(form.PrinterRadio->text(), "&Printer");
    EXPECT_EQ(form.PreviewRadio->text(), "Pre&view");
    EXPECT_EQ(form.FileRadio->text(), "&File");
    EXPECT_EQ(form.bbtnOK->text(), "   OK   ");
    EXPECT_TRUE(form.bbtnOK->isDefault());
    EXPECT_EQ(form.labelPrinterName->text(), "TestPrinter on file");
    // The dialog's classic size is enough at the default font.
    EXPECT_EQ(form.size(), QSize(295, 242));
    ASSERT_GE(form.cboxFormat->count(), 3);
    EXPECT_EQ(form.cboxFormat->itemText(0), "Report Snapshot File (NDR)");
    EXPECT_EQ(form.cboxFormat->itemText(1), "Native Printer Output (PRN)");
    QStringList items;
    for (int i = 0; i < form.cboxFormat->count(); ++i)
        items << form.cboxFormat->itemText(i);
    EXPECT_TRUE(items.contains("Portable Document Format (PDF)"));
    EXPECT_FALSE(items.contains("Hidden preview")); // inactive renderers are never offered
    EXPECT_TRUE(form.QtFileFilter().startsWith(
        "Report Snapshot File (NDR) (*.NDR);;Native Printer Output (PRN) (*.PRN)"));
    EXPECT_TRUE(form.QtFileFilter().contains("Portable Document Format (PDF) (*.pdf)"));
}

TEST_F(SetupFormTest, DestinationsSwitchTheDependentControls) {
    TSetupForm form(System, TSetupForm::smDestination);
    EXPECT_TRUE(form.PreviewRadio->isChecked()); // the default destination
    EXPECT_FALSE(form.editFileName->isEnabled());
    EXPECT_FALSE(form.editCopies->isEnabled());
    EXPECT_TRUE(form.bbtnOK->isEnabled());

    form.PrinterRadio->setChecked(true);
    EXPECT_TRUE(form.editCopies->isEnabled() && form.chkCollate->isEnabled() && form.chkDuplex->isEnabled());
    EXPECT_FALSE(form.cboxFormat->isEnabled());

    form.FileRadio->setChecked(true);
    EXPECT_TRUE(form.editFileName->isEnabled() && form.bbtnFileName->isEnabled() &&
                form.cboxFormat->isEnabled());
    EXPECT_FALSE(form.bbtnOK->isEnabled()); // no file name yet
    QTest::keyClicks(form.editFileName, "   ");
    EXPECT_FALSE(form.bbtnOK->isEnabled());
    QTest::keyClicks(form.editFileName, "puzzle");
    EXPECT_TRUE(form.bbtnOK->isEnabled());
    form.cboxFormat->setCurrentIndex(1);
    const TSetupResult r = form.Result();
    EXPECT_EQ(r.Dest, rdFile);
    EXPECT_EQ(r.FileName, "puzzle.prn");
    EXPECT_TRUE(r.NativeOutput);
}

TEST_F(SetupFormTest, WithoutPrinterFilesAreOfferedButNotPrinterOutput) {
    Platform.Printer = false;
    System.DefaultDest = rdPrinter;
    TSetupForm form(System, TSetupForm::smDestination);
    EXPECT_EQ(form.labelPrinterName->text(), "No printers installed!");
    EXPECT_TRUE(form.PreviewRadio->isChecked());
    EXPECT_FALSE(form.PrinterRadio->isEnabled());
    EXPECT_FALSE(form.bbtnSetup->isEnabled());
    EXPECT_FALSE(form.editCopies->isEnabled() || form.chkCollate->isEnabled() || form.chkDuplex->isEnabled());
    EXPECT_TRUE(form.bbtnOK->isEnabled());

    form.FileRadio->setChecked(true);
    form.editFileName->setText("/tmp/puzzle");
    EXPECT_TRUE(form.bbtnOK->isEnabled());
    const auto* model = qobject_cast<QStandardItemModel*>(form.cboxFormat->model());
    ASSERT_NE(model, nullptr);
    EXPECT_FALSE(model->item(FormatIndexPRN)->isEnabled());
    form.cboxFormat->setCurrentIndex(FormatIndexPRN);
    EXPECT_FALSE(form.bbtnOK->isEnabled());
    form.cboxFormat->setCurrentIndex(FormatIndexNDR);
    form.bbtnOK->click();
    EXPECT_EQ(form.Result().Dest, rdFile);
    EXPECT_EQ(form.Result().FileName, "/tmp/puzzle.ndr");

    // The next run of the game offers the same file and format again.
    TSetupForm again(System, TSetupForm::smDestination);
    EXPECT_EQ(again.editFileName->text(), "/tmp/puzzle");
    EXPECT_EQ(again.cboxFormat->currentIndex(), FormatIndexNDR);
    LastOutputChoice() = {};
}

TEST_F(SetupFormTest, SystemSetupsDisableWhatIsNotAllowed) {
    System.SystemSetups.Exclude(ssAllowDestFile);
    System.SystemSetups.Exclude(ssAllowCopies);
    System.SystemSetups.Exclude(ssAllowPrinterSetup);
    System.DefaultDest = rdPrinter;
    System.SystemPrinter.Copies = 4;
    TSetupForm form(System, TSetupForm::smDestination);
    EXPECT_TRUE(form.PrinterRadio->isChecked());
    EXPECT_FALSE(form.FileRadio->isEnabled());
    EXPECT_FALSE(form.editCopies->isEnabled());
    EXPECT_FALSE(form.labelCopies->isEnabled());
    EXPECT_FALSE(form.bbtnSetup->isEnabled());
    EXPECT_TRUE(form.chkCollate->isEnabled());
    EXPECT_EQ(form.editCopies->text(), "4");
}

TEST_F(SetupFormTest, NumberBoxesRefuseOtherKeys) {
    TSetupForm form(System, TSetupForm::smDestination);
    form.PrinterRadio->setChecked(true);
    form.editCopies->clear();
    QTest::keyClicks(form.editCopies, "2a-5");
    EXPECT_EQ(form.editCopies->text(), "25");
    TSetupForm range(System, TSetupForm::smPrintRange, 7);
    range.SelectionRB->setChecked(true);
    range.editSelection->clear();
    QTest::keyClicks(range.editSelection, "1-3,x5");
    EXPECT_EQ(range.editSelection->text(), "1-3,5");
}

TEST_F(SetupFormTest, PrintRangeModeShowsAndStoresTheRange) {
    TSetupForm form(System, TSetupForm::smPrintRange, 7);
    form.show();
    EXPECT_TRUE(form.AllRB->isChecked());
    EXPECT_EQ(form.editSelection->text(), "1-7");
    EXPECT_EQ(form.editFrom->text(), "1");
    EXPECT_EQ(form.editTo->text(), "7");
    EXPECT_FALSE(form.editFrom->isEnabled());
    EXPECT_FALSE(form.editSelection->isEnabled());

    form.PagesRB->setChecked(true);
    EXPECT_TRUE(form.editFrom->isVisible() && form.editFrom->isEnabled());
    EXPECT_FALSE(form.editSelection->isVisible());
    form.editFrom->setText("2");
    form.editTo->setText("3");
    TPrintRangeResult r = form.RangeResult();
    EXPECT_EQ(r.FirstPage, 2);
    EXPECT_EQ(r.LastPage, 3);

    form.SelectionRB->setChecked(true);
    EXPECT_TRUE(form.editSelection->isVisible() && form.editSelection->isEnabled());
    EXPECT_FALSE(form.editFrom->isVisible());
    r = form.RangeResult();
    EXPECT_EQ(r.Selection, "1-7");
    EXPECT_EQ(r.FirstPage, 1);
    EXPECT_EQ(r.LastPage, 9999);
}

TEST_F(SetupFormTest, ChosenFileSelectsItsFormatAndSetupRefreshes) {
    TSetupForm form(System, TSetupForm::smDestination);
    form.FileRadio->setChecked(true);
    form.ChooseFile("/tmp/out.pdf", 0);
    EXPECT_EQ(form.cboxFormat->currentText(), "Portable Document Format (PDF)");
    const TSetupResult r = form.Result();
    EXPECT_EQ(r.FileName, "/tmp/out.pdf");
    EXPECT_GE(r.RendererIndex, 0);
    form.ChooseFile("/tmp/noext", 1);
    EXPECT_EQ(form.cboxFormat->currentIndex(), 1);
    form.bbtnSetup->click();
    EXPECT_EQ(Platform.SetupDialogs, 1);
}
