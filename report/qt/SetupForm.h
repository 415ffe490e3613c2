// The Output Options dialog: destination, file and format, the selected printer with its setup,
// copies, collate and duplex; in print-range mode (printing from the preview) the page range
// takes the destination's place.
#pragma once

#include "report/SetupOptions.h"

#include <QDialog>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class TReportSystem;

class TSetupForm : public QDialog {
    Q_OBJECT
  public:
    enum TSetupMode { smDestination, smPrintRange };

    TSetupForm(TReportSystem& System, TSetupMode Mode, int PageCount = 1, QWidget* Parent = nullptr);

    // What OK stored (valid after the dialog was accepted).
    TSetupResult Result() const;
    TPrintRangeResult RangeResult() const;
    // The file dialog's filter in Qt's form ("Name (*.ext);;...").
    QString QtFileFilter() const;

    // Controls, named as the dialog's layout names them.
    QRadioButton *PrinterRadio = nullptr, *PreviewRadio = nullptr, *FileRadio = nullptr;
    QLineEdit* editFileName = nullptr;
    QToolButton* bbtnFileName = nullptr;
    QComboBox* cboxFormat = nullptr;
    QLabel* labelPrinterName = nullptr;
    QPushButton* bbtnSetup = nullptr;
    QLabel* labelCopies = nullptr;
    QLineEdit* editCopies = nullptr;
    QCheckBox *chkCollate = nullptr, *chkDuplex = nullptr;
    QPushButton *bbtnOK = nullptr, *bbtnCancel = nullptr;
    QRadioButton *AllRB = nullptr, *SelectionRB = nullptr, *PagesRB = nullptr;
    QLineEdit *editSelection = nullptr, *editFrom = nullptr, *editTo = nullptr;
    QLabel *labelFrom = nullptr, *labelTo = nullptr;

    // Chooses a file as the browse button's save dialog would.
    void ChooseFile(const QString& FileName, int FilterIndex);

  private:
    void BuildDestination(QWidget* Page);
    void BuildRange(QWidget* Page, int PageCount);
    void RefreshPrinter();
    void UpdateEnabling();
    void UpdateRange();
    void Browse();
    std::optional<TReportDest> SelectedDest() const;

    TReportSystem& System_;
    TSetupMode Mode_;
    TSetupInput Input_;
    std::vector<TRendererFormat> Formats_;
    QStackedWidget* Pages_ = nullptr;
};
