#include "report/qt/QtReportPlatform.h"

#include "report/NDRWriter.h"
#include "report/ReportError.h"
#include "report/ReportSystem.h"
#include "report/qt/PreviewForm.h"
#include "report/qt/PrinterDevice.h"
#include "report/qt/RenderPrinter.h"
#include "report/qt/SetupForm.h"
#include "report/qt/StatusForm.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>

#include <cmath>

namespace {

// A run window held by the run between its handler calls.
template <class Form> class TQtRunForm : public TRunForm {
  public:
    template <class... Args> explicit TQtRunForm(Args&&... args) : Window(std::forward<Args>(args)...) {}
    Form Window;
};

template <class Form> Form* WindowOf(std::unique_ptr<TRunForm>& Form_) {
    auto* holder = dynamic_cast<TQtRunForm<Form>*>(Form_.get());
    return holder ? &holder->Window : nullptr;
}

uint16_t Word(int value) {
    return static_cast<uint16_t>(std::clamp(value, 0, 65535));
}

} // namespace

TQtReportPlatform::TQtReportPlatform(TPrinterDevice& Printer) : Printer_(Printer) {}

bool TQtReportPlatform::HasPrinter() {
    return Printer_.Valid();
}

int TQtReportPlatform::PrinterMaxCopies() {
    return Printer_.Valid() ? Printer_.MaxCopies() : 1;
}

std::string TQtReportPlatform::PrinterDisplayName() {
    return Printer_.Valid() ? Printer_.DisplayName().toStdString() : std::string();
}

bool TQtReportPlatform::PrinterSetupDialog() {
    return Printer_.Valid() && Printer_.SetupDialog(QApplication::activeWindow());
}

TReferenceDevice TQtReportPlatform::PrinterReference() {
    TReferenceDevice d;
    if (!Printer_.Valid()) return d;
    const TDeviceGeometry g = Printer_.Geometry();
    const TDeviceMode m = Printer_.DeviceMode();
    d.HasPrinter = true;
    d.XDPI = g.XDPI;
    d.YDPI = g.YDPI;
    d.PageWidth = g.PageWidth;
    d.PageHeight = g.PageHeight;
    d.MarginLeft = g.MarginLeft;
    d.MarginRight = g.MarginRight;
    d.MarginTop = g.MarginTop;
    d.MarginBottom = g.MarginBottom;
    d.PaperBin = Word(m.DefaultBin);
    d.Collate = m.Collate;
    d.Duplex = static_cast<uint8_t>(m.Duplex);
    d.Copies = Word(m.Copies);
    d.PaperSize = Word(m.PaperSize);
    d.PaperWidth = Word(m.PaperWidth);
    d.PaperLength = Word(m.PaperLength);
    d.DeviceName = Printer_.Device().toStdString();
    d.Port = Printer_.Port().toStdString();
    d.Driver = Printer_.Driver().toStdString();
    return d;
}

void TQtReportPlatform::PrintStream(TReportSystem& System, TStream& Stream, const std::string& OutputFile,
                                    int Copies) {
    if (!Printer_.Valid()) throw EReportError("No printers installed!");
    TRenderPrinter printer(Printer_);
    printer.JobTitle = System.SystemPrinter.Title;
    printer.Copies = Copies;
    printer.Collate = System.SystemPrinter.Collate;
    printer.Duplex = System.SystemPrinter.Duplex != 0;
    printer.SetOutputFileName(OutputFile);
    printer.PrintCopies(Stream);
}

void TQtReportPlatform::SetupHandler(TReportSystem& System, TOverrideMode Mode,
                                     std::unique_ptr<TRunForm>& Form) {
    switch (Mode) {
    case omCreate:
        Form = std::make_unique<TQtRunForm<TSetupForm>>(System, TSetupForm::smDestination, 1,
                                                        QApplication::activeWindow());
        break;
    case omShow:
        break; // shown modally while the run waits
    case omWait:
        if (TSetupForm* form = WindowOf<TSetupForm>(Form)) {
            if (form->exec() == QDialog::Accepted)
                System.ApplySetup(form->Result());
            else
                System.SetCancelled(true);
        }
        break;
    case omFree:
        Form.reset();
        break;
    }
}

void TQtReportPlatform::StatusHandler(TReportSystem& System, TOverrideMode Mode,
                                      std::unique_ptr<TRunForm>& Form) {
    switch (Mode) {
    case omCreate:
        if (System.SystemOptions.Contains(soShowStatus))
            Form = std::make_unique<TQtRunForm<TStatusForm>>(QString::fromStdString(System.TitleStatus),
                                                             QApplication::activeWindow());
        break;
    case omShow:
        if (TStatusForm* form = WindowOf<TStatusForm>(Form)) {
            TNDRWriter* writer = System.CurrentWriter();
            if (writer) {
                writer->StatusLabel = [form](const std::string& line) {
                    form->ShowStatus(QString::fromStdString(line));
                };
                form->OnCancel = [writer] { writer->Abort(); };
            }
            form->CancelButton->setText("Cancel");
            form->show();
            form->ShowStatus(QString()); // the writer fills the line when recording starts
        }
        break;
    case omWait:
        if (TStatusForm* form = WindowOf<TStatusForm>(Form);
            form && System.SystemOptions.Contains(soWaitForOK))
            form->WaitForOK();
        break;
    case omFree:
        if (TStatusForm* form = WindowOf<TStatusForm>(Form)) form->OnCancel = nullptr;
        Form.reset();
        break;
    }
}

void TQtReportPlatform::PreviewHandler(TReportSystem& System, TOverrideMode Mode,
                                       std::unique_ptr<TRunForm>& Form) {
    switch (Mode) {
    case omCreate:
        Form = std::make_unique<TQtRunForm<TPreviewForm>>(System, QApplication::activeWindow());
        break;
    case omShow:
        if (TPreviewForm* form = WindowOf<TPreviewForm>(Form)) {
            if (!System.OutputStream()) throw EReportError("Nothing to preview.");
            form->Start(*System.OutputStream());
            if (System.OnPreviewShow) System.OnPreviewShow(System);
        }
        break;
    case omWait:
        if (TPreviewForm* form = WindowOf<TPreviewForm>(Form)) {
            if (System.SystemOptions.Contains(soPreviewModal)) {
                form->exec();
            } else {
                QEventLoop loop;
                QObject::connect(form, &QDialog::finished, &loop, &QEventLoop::quit);
                form->show();
                loop.exec();
            }
        }
        break;
    case omFree:
        Form.reset();
        break;
    }
}

TQtReportPlatform& QtReportPlatform() {
    static TQtReportPlatform platform(ProcessPrinter());
    return platform;
}
