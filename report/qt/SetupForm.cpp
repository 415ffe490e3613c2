#include "report/qt/SetupForm.h"

#include "report/RendererRegistry.h"
#include "report/ReportRender.h"
#include "report/ReportSystem.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// Accepts a text when every character passes the dialog's key rule.
class TKeyValidator : public QValidator {
  public:
    TKeyValidator(bool (*Allowed)(char), QObject* Parent) : QValidator(Parent), Allowed_(Allowed) {}
    State validate(QString& Input, int&) const override {
        for (QChar c : Input)
            if (c.unicode() > 0x7F || !Allowed_(static_cast<char>(c.unicode()))) return Invalid;
        return Acceptable;
    }

  private:
    bool (*Allowed_)(char);
};

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Tight margins and spacing: the dialog keeps its classic small size at the default font.
template <class Layout> Layout* Compact(Layout* L) {
    L->setContentsMargins(6, 2, 6, 4);
    L->setSpacing(3);
    return L;
}

} // namespace

TSetupForm::TSetupForm(TReportSystem& System, TSetupMode Mode, int PageCount, QWidget* Parent)
    : QDialog(Parent), System_(System), Mode_(Mode), Input_(System.SetupInput()) {
    setWindowTitle(Q(System.TitleSetup));
    setObjectName("SetupForm");
    for (const TRegisteredRenderer& r : ActiveRenderers())
        Formats_.push_back({r.DisplayName, r.Render->FileExtension()});

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(5, 3, 5, 4);
    layout->setSpacing(4);
    Pages_ = new QStackedWidget;
    auto* destPage = new QWidget;
    auto* rangePage = new QWidget;
    BuildDestination(destPage);
    BuildRange(rangePage, PageCount);
    Pages_->addWidget(destPage);
    Pages_->addWidget(rangePage);
    layout->addWidget(Pages_, 0, 0, 1, 2);

    auto* printerBox = new QGroupBox("Selected Printer");
    auto* printerLayout = Compact(new QHBoxLayout(printerBox));
    labelPrinterName = new QLabel;
    // A long name is cut at the edge rather than widening the dialog; the tool tip shows it whole.
    labelPrinterName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bbtnSetup = new QPushButton("&Setup");
    printerLayout->addWidget(labelPrinterName, 1);
    printerLayout->addWidget(bbtnSetup);
    layout->addWidget(printerBox, 1, 0, 1, 2);

    auto* optionsBox = new QGroupBox("Options");
    auto* optionsLayout = Compact(new QGridLayout(optionsBox));
    labelCopies = new QLabel("&Copies");
    editCopies = new QLineEdit(QString::number(System.SystemPrinter.Copies));
    editCopies->setValidator(new TKeyValidator(&SetupNumberKeyAllowed, editCopies));
    editCopies->setMaxLength(4);
    editCopies->setMaximumWidth(48);
    labelCopies->setBuddy(editCopies);
    chkCollate = new QCheckBox("C&ollate");
    chkCollate->setChecked(System.SystemPrinter.Collate);
    chkDuplex = new QCheckBox("&Duplex");
    chkDuplex->setChecked(System.SystemPrinter.Duplex != 0);
    optionsLayout->addWidget(labelCopies, 0, 0);
    optionsLayout->addWidget(editCopies, 0, 1);
    optionsLayout->addWidget(chkCollate, 1, 0);
    optionsLayout->addWidget(chkDuplex, 1, 1);
    layout->addWidget(optionsBox, 2, 0);

    auto* buttons = new QVBoxLayout;
    bbtnOK = new QPushButton("   OK   ");
    bbtnOK->setDefault(true);
    bbtnCancel = new QPushButton("Cancel");
    buttons->setSpacing(3);
    buttons->addStretch();
    buttons->addWidget(bbtnOK);
    buttons->addWidget(bbtnCancel);
    layout->addLayout(buttons, 2, 1);

    connect(bbtnOK, &QPushButton::clicked, this, [this] {
        if (Mode_ == smDestination && SelectedDest() == rdFile)
            LastOutputChoice() = {editFileName->text().trimmed().toStdString(), cboxFormat->currentIndex()};
        accept();
    });
    connect(bbtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(bbtnSetup, &QPushButton::clicked, this, [this] {
        if (System_.Platform().PrinterSetupDialog()) RefreshPrinter();
    });

    Pages_->setCurrentIndex(Mode == smPrintRange ? 1 : 0);
    RefreshPrinter();
    if (Mode == smDestination) {
        if (const auto dest = SetupInitialDest(Input_))
            (*dest == rdPrinter   ? PrinterRadio
             : *dest == rdPreview ? PreviewRadio
                                  : FileRadio)
                ->setChecked(true);
        UpdateEnabling();
    } else {
        UpdateRange();
    }
    setFixedSize(minimumSizeHint().expandedTo(QSize(295, 242)));
}

void TSetupForm::BuildDestination(QWidget* Page) {
    auto* box = new QGroupBox("Report Destination");
    auto* grid = Compact(new QGridLayout(box));
    PrinterRadio = new QRadioButton("&Printer");
    PreviewRadio = new QRadioButton("Pre&view");
    FileRadio = new QRadioButton("&File");
    auto* group = new QButtonGroup(box);
    for (QRadioButton* r : {PrinterRadio, PreviewRadio, FileRadio}) {
        group->addButton(r);
        connect(r, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    }
    editFileName = new QLineEdit;
    bbtnFileName = new QToolButton;
    bbtnFileName->setText("...");
    auto* formatLabel = new QLabel("Format:");
    cboxFormat = new QComboBox;
    cboxFormat->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboxFormat->setMinimumContentsLength(12);
    for (const std::string& name : SetupFormatList(Formats_))
        cboxFormat->addItem(Q(name));
    cboxFormat->setCurrentIndex(0);
    formatLabel->setBuddy(cboxFormat);
    grid->addWidget(PrinterRadio, 0, 0);
    grid->addWidget(PreviewRadio, 0, 1);
    grid->addWidget(FileRadio, 0, 2);
    grid->addWidget(editFileName, 1, 0, 1, 3);
    grid->addWidget(bbtnFileName, 1, 3);
    // The list gets all the width beside its label, so the format names show whole.
    auto* formatRow = new QHBoxLayout;
    formatRow->setSpacing(6);
    formatRow->addWidget(formatLabel);
    formatRow->addWidget(cboxFormat, 1);
    grid->addLayout(formatRow, 2, 0, 1, 4);
    (new QVBoxLayout(Page))->addWidget(box);
    Page->layout()->setContentsMargins(0, 0, 0, 0);
    const TLastOutput& last = LastOutputChoice();
    editFileName->setText(Q(last.FileName));
    if (last.FormatIndex >= 0 && last.FormatIndex < cboxFormat->count())
        cboxFormat->setCurrentIndex(last.FormatIndex);
    connect(editFileName, &QLineEdit::textChanged, this, [this] { UpdateEnabling(); });
    connect(cboxFormat, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabling(); });
    connect(bbtnFileName, &QToolButton::clicked, this, &TSetupForm::Browse);
}

void TSetupForm::BuildRange(QWidget* Page, int PageCount) {
    auto* box = new QGroupBox("Print Range");
    auto* grid = Compact(new QGridLayout(box));
    AllRB = new QRadioButton("All");
    SelectionRB = new QRadioButton("Selection");
    PagesRB = new QRadioButton("Pages");
    auto* group = new QButtonGroup(box);
    for (QRadioButton* r : {AllRB, SelectionRB, PagesRB})
        group->addButton(r);
    AllRB->setChecked(true);
    const QString count = QString::number(std::max(1, PageCount));
    editSelection = new QLineEdit("1-" + count);
    editSelection->setValidator(new TKeyValidator(&SetupSelectionKeyAllowed, editSelection));
    labelFrom = new QLabel("From");
    editFrom = new QLineEdit("1");
    labelTo = new QLabel("to");
    editTo = new QLineEdit(count);
    for (QLineEdit* e : {editFrom, editTo})
        e->setValidator(new TKeyValidator(&SetupNumberKeyAllowed, e));
    grid->addWidget(AllRB, 0, 0);
    grid->addWidget(SelectionRB, 1, 0);
    grid->addWidget(editSelection, 1, 1, 1, 3);
    grid->addWidget(PagesRB, 2, 0);
    grid->addWidget(labelFrom, 2, 1);
    grid->addWidget(editFrom, 2, 2);
    grid->addWidget(labelTo, 2, 3);
    grid->addWidget(editTo, 2, 4);
    for (QRadioButton* r : {AllRB, SelectionRB, PagesRB})
        connect(r, &QRadioButton::toggled, this, [this] { UpdateRange(); });
    (new QVBoxLayout(Page))->addWidget(box);
    Page->layout()->setContentsMargins(0, 0, 0, 0);
}

void TSetupForm::RefreshPrinter() {
    Input_ = System_.SetupInput();
    const std::string name = System_.Platform().PrinterDisplayName();
    labelPrinterName->setText(Input_.HasPrinter && !name.empty() ? Q(name)
                                                                 : QStringLiteral("No printers installed!"));
    labelPrinterName->setToolTip(labelPrinterName->text());
}

std::optional<TReportDest> TSetupForm::SelectedDest() const {
    if (PrinterRadio->isChecked()) return rdPrinter;
    if (PreviewRadio->isChecked()) return rdPreview;
    if (FileRadio->isChecked()) return rdFile;
    return std::nullopt;
}

void TSetupForm::UpdateEnabling() {
    if (Mode_ != smDestination) return;
    const TSetupEnabling e = SetupEnablingFor(Input_, SelectedDest(), editFileName->text().toStdString(),
                                              std::max(0, cboxFormat->currentIndex()));
    // The native printer format is offered only while there is a printer to write it.
    if (auto* model = qobject_cast<QStandardItemModel*>(cboxFormat->model()))
        if (QStandardItem* prn = model->item(FormatIndexPRN))
            prn->setEnabled(SetupFormatAllowed(Input_, FormatIndexPRN));
    PrinterRadio->setEnabled(e.Printer);
    PreviewRadio->setEnabled(e.Preview);
    FileRadio->setEnabled(e.File);
    editFileName->setEnabled(e.FileControls);
    bbtnFileName->setEnabled(e.FileControls);
    cboxFormat->setEnabled(e.FileControls);
    labelCopies->setEnabled(e.Copies);
    editCopies->setEnabled(e.Copies);
    chkCollate->setEnabled(e.Collate);
    chkDuplex->setEnabled(e.Duplex);
    bbtnSetup->setEnabled(e.PrinterSetup);
    bbtnOK->setEnabled(e.Ok);
}

void TSetupForm::UpdateRange() {
    if (Mode_ != smPrintRange) return;
    const bool pages = PagesRB->isChecked(), selection = SelectionRB->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{labelFrom, editFrom, labelTo, editTo}) {
        w->setVisible(!selection);
        w->setEnabled(pages);
    }
    editSelection->setVisible(!pages);
    editSelection->setEnabled(selection);
    const TSetupEnabling e = SetupEnablingFor(Input_, rdPrinter, {});
    labelCopies->setEnabled(e.Copies);
    editCopies->setEnabled(e.Copies);
    chkCollate->setEnabled(e.Collate);
    chkDuplex->setEnabled(e.Duplex);
    bbtnSetup->setEnabled(e.PrinterSetup);
    bbtnOK->setEnabled(true);
}

QString TSetupForm::QtFileFilter() const {
    QStringList filters;
    const QStringList parts = Q(SetupFileFilter(Formats_)).split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
    return filters.join(";;");
}

void TSetupForm::ChooseFile(const QString& FileName, int FilterIndex) {
    editFileName->setText(FileName);
    const int format = SetupFormatForFileName(FileName.toStdString(), Formats_);
    cboxFormat->setCurrentIndex(format >= 0 ? format : std::max(0, FilterIndex));
}

void TSetupForm::Browse() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtFileFilter().split(";;");
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(std::max(0, cboxFormat->currentIndex())));
    if (!editFileName->text().trimmed().isEmpty()) dialog.selectFile(editFileName->text().trimmed());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    ChooseFile(dialog.selectedFiles().first(),
               static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
}

TSetupResult TSetupForm::Result() const {
    TSetupChoice c;
    c.Dest = SelectedDest().value_or(rdPreview);
    c.FileName = editFileName->text().toStdString();
    c.FormatIndex = cboxFormat->currentIndex();
    c.CopiesText = editCopies->text().toStdString();
    c.Collate = chkCollate->isChecked();
    c.Duplex = chkDuplex->isChecked();
    return SetupAccept(Input_, c);
}

TPrintRangeResult TSetupForm::RangeResult() const {
    TPrintRangeChoice c;
    c.Mode = PagesRB->isChecked() ? prPages : SelectionRB->isChecked() ? prSelection : prAll;
    c.SelectionText = editSelection->text().toStdString();
    c.FromText = editFrom->text().toStdString();
    c.ToText = editTo->text().toStdString();
    c.CopiesText = editCopies->text().toStdString();
    c.Collate = chkCollate->isChecked();
    c.Duplex = chkDuplex->isChecked();
    return PrintRangeAccept(Input_, c);
}
