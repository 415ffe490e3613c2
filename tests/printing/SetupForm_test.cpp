// The Output Options dialog as the user meets it (offscreen): the printer, the format list, the
// dialog's rules applied to its controls, and what OK stores. The rules themselves are tested
// without a window in SetupOptions_test.
#include "report/qt/SetupForm.h"

#include "PrintTestSupport.h"

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
        LastOutputChoice() = {}; // a run before may have left its choice
    }
    TTestPlatform Platform;
    TReportSystem System;
    TReportRender Pdf, Hidden;
};

} // namespace

TEST_F(SetupFormTest, DestinationsSwitchTheDependentControls) {
    System.SystemSetups.Exclude(ssAllowPrinterSetup);
    System.SystemPrinter.Copies = 4;
    TSetupForm form(System, TSetupForm::smDestination);
    EXPECT_TRUE(form.bbtnOK->isDefault());
    EXPECT_EQ(form.labelPrinterName->text(), "TestPrinter on file");
    EXPECT_EQ(form.cboxFormat->findText("Portable Document Format (PDF)"), FormatOf(Pdf));
    EXPECT_EQ(form.cboxFormat->findText("Hidden preview"), -1); // inactive renderers are never offered
    EXPECT_EQ(form.QtFileFilter(), "Report Snapshot File (NDR) (*.NDR);;Native Printer Output (PRN) (*.PRN);;"
                                   "Portable Document Format (PDF) (*.pdf)");
    EXPECT_TRUE(form.PreviewRadio->isChecked()); // the default destination
    EXPECT_FALSE(form.editFileName->isEnabled() || form.editCopies->isEnabled() ||
                 form.bbtnSetup->isEnabled());

    form.PrinterRadio->setChecked(true);
    EXPECT_TRUE(form.editCopies->isEnabled() && form.chkCollate->isEnabled() && form.chkDuplex->isEnabled());
    EXPECT_FALSE(form.cboxFormat->isEnabled());
    EXPECT_EQ(form.editCopies->text(), "4");
    form.editCopies->clear();
    QTest::keyClicks(form.editCopies, "2a-5");
    EXPECT_EQ(form.editCopies->text(), "25");

    form.FileRadio->setChecked(true);
    EXPECT_TRUE(form.editFileName->isEnabled() && form.bbtnFileName->isEnabled() &&
                form.cboxFormat->isEnabled());
    EXPECT_FALSE(form.bbtnOK->isEnabled()); // no file name yet
    QTest::keyClicks(form.editFileName, "puzzle");
    EXPECT_TRUE(form.bbtnOK->isEnabled());
    form.cboxFormat->setCurrentIndex(1); // what OK stores for it: SetupOptions_test
    EXPECT_EQ(form.Result().FileName, "puzzle.prn");
}

TEST_F(SetupFormTest, WithoutPrinterFilesAreOfferedButNotPrinterOutput) {
    Platform.Printer = false;
    System.DefaultDest = rdPrinter;
    TSetupForm form(System, TSetupForm::smDestination);
    EXPECT_EQ(form.labelPrinterName->text(), "No printers installed!");
    EXPECT_TRUE(form.PreviewRadio->isChecked());
    EXPECT_FALSE(form.PrinterRadio->isEnabled());

    form.FileRadio->setChecked(true);
    form.editFileName->setText("/tmp/puzzle");
    const auto* model = qobject_cast<QStandardItemModel*>(form.cboxFormat->model());
    ASSERT_NE(model, nullptr);
    EXPECT_FALSE(model->item(FormatIndexPRN)->isEnabled());
    form.cboxFormat->setCurrentIndex(FormatIndexPRN);
    EXPECT_FALSE(form.bbtnOK->isEnabled());
    form.cboxFormat->setCurrentIndex(FormatIndexNDR);
    form.bbtnOK->click();
    EXPECT_EQ(form.Result().FileName, "/tmp/puzzle.ndr");

    // The next run of the game offers the same file and format again.
    TSetupForm again(System, TSetupForm::smDestination);
    EXPECT_EQ(again.editFileName->text(), "/tmp/puzzle");
    EXPECT_EQ(again.cboxFormat->currentIndex(), FormatIndexNDR);
}

TEST_F(SetupFormTest, PrintRangeModeShowsAndStoresTheRange) {
    TSetupForm form(System, TSetupForm::smPrintRange, 7);
    form.show();
    EXPECT_TRUE(form.AllRB->isChecked());
    EXPECT_EQ(form.editSelection->text(), "1-7");
    EXPECT_EQ(form.editTo->text(), "7");
    EXPECT_FALSE(form.editFrom->isEnabled() || form.editSelection->isEnabled());

    form.PagesRB->setChecked(true);
    EXPECT_TRUE(form.editFrom->isVisible() && form.editFrom->isEnabled() && !form.editSelection->isVisible());
    form.editFrom->setText("2");
    form.editTo->setText("3");
    EXPECT_EQ(form.RangeResult().FirstPage, 2);
    EXPECT_EQ(form.RangeResult().LastPage, 3);

    form.SelectionRB->setChecked(true);
    EXPECT_TRUE(form.editSelection->isVisible() && form.editSelection->isEnabled() &&
                !form.editFrom->isVisible());
    form.editSelection->clear();
    QTest::keyClicks(form.editSelection, "1-3,x5");
    EXPECT_EQ(form.RangeResult().Selection, "1-3,5");
}

TEST_F(SetupFormTest, ChosenFileSelectsItsFormatAndSetupRefreshes) {
    TSetupForm form(System, TSetupForm::smDestination);
    form.FileRadio->setChecked(true);
    form.ChooseFile("/tmp/out.pdf", 0);
    EXPECT_EQ(form.cboxFormat->currentIndex(), FormatOf(Pdf));
    EXPECT_EQ(form.Result().FileName, "/tmp/out.pdf");
    form.ChooseFile("/tmp/noext", 1);
    EXPECT_EQ(form.cboxFormat->currentIndex(), 1);
    form.bbtnSetup->click();
    EXPECT_EQ(Platform.SetupDialogs, 1);
}
