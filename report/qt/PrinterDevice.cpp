#include "report/qt/PrinterDevice.h"

#include "report/ReportError.h"
#include "report/ReportStream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cmath>

#include <cups/cups.h>

namespace {

std::string Text(const QString& s) {
    return s.toStdString();
}

} // namespace

TPrinterDevice::TPrinterDevice() : Printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // Positions are measured from the printable area; the renderers subtract the strips.
    Printer_->setFullPage(false);
}

TPrinterDevice::~TPrinterDevice() {
    if (Painter_.isActive()) Painter_.end();
    DropOutputTemp();
}

QStringList TPrinterDevice::Printers() {
    return QPrinterInfo::availablePrinterNames();
}

QString TPrinterDevice::DefaultPrinter() {
    return QPrinterInfo::defaultPrinterName();
}

bool TPrinterDevice::Valid() const {
    return Printer_->isValid() && !Printer_->printerName().isEmpty() &&
           Printer_->outputFormat() == QPrinter::NativeFormat;
}

void TPrinterDevice::SelectPrinter(const QString& Name) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(Name);
    if (info.isNull() || Printing()) {
        const QString port =
            info.isNull() || info.location().isEmpty() ? QStringLiteral("CUPS") : info.location();
        throw EReportError("Invalid Printer - " + Text(Name) + " on " + Text(port) + " (" +
                           Text(info.makeAndModel()) + ")");
    }
    Printer_->setPrinterName(Name);
}

QString TPrinterDevice::Device() const {
    return Printer_->printerName();
}

QString TPrinterDevice::Port() const {
    // A CUPS queue's port is the device it sends its jobs to.
    const QByteArray name = Printer_->printerName().toLocal8Bit();
    QString uri;
    if (cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr)) {
        if (const char* value = cupsGetOption("device-uri", dest->num_options, dest->options))
            uri = QString::fromLocal8Bit(value);
        cupsFreeDests(1, dest);
    }
    return uri.isEmpty() ? QStringLiteral("CUPS") : uri;
}

QString TPrinterDevice::Driver() const {
    return QPrinterInfo::printerInfo(Printer_->printerName()).makeAndModel();
}

QString TPrinterDevice::DisplayName() const {
    return QStringLiteral("%1 on %2").arg(Device(), Port());
}

TDeviceMode TPrinterDevice::DeviceMode() const {
    TDeviceMode m;
    const QPageLayout layout = Printer_->pageLayout();
    m.Orientation = layout.orientation() == QPageLayout::Landscape ? 1 : 0;
    m.PaperSize = static_cast<int>(layout.pageSize().id());
    const QSizeF mm = layout.pageSize().size(QPageSize::Millimeter);
    m.PaperWidth = static_cast<int>(std::lround(mm.width() * 10));
    m.PaperLength = static_cast<int>(std::lround(mm.height() * 10));
    m.Copies = Printer_->copyCount();
    m.DefaultBin = static_cast<int>(Printer_->paperSource());
    switch (Printer_->duplex()) {
    case QPrinter::DuplexLongSide:
        m.Duplex = 1;
        break;
    case QPrinter::DuplexShortSide:
        m.Duplex = 2;
        break;
    default:
        m.Duplex = 0;
        break;
    }
    m.Collate = Printer_->collateCopies();
    return m;
}

void TPrinterDevice::SetDeviceMode(const TDeviceMode& Mode) {
    Printer_->setPageOrientation(Mode.Orientation == 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (Mode.PaperWidth > 0 && Mode.PaperLength > 0)
        Printer_->setPageSize(
            QPageSize(QSizeF(Mode.PaperWidth / 10.0, Mode.PaperLength / 10.0), QPageSize::Millimeter));
    else
        Printer_->setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(Mode.PaperSize)));
    Printer_->setCopyCount(std::max(1, Mode.Copies));
    Printer_->setDuplex(Mode.Duplex == 1   ? QPrinter::DuplexLongSide
                        : Mode.Duplex == 2 ? QPrinter::DuplexShortSide
                                           : QPrinter::DuplexNone);
    Printer_->setCollateCopies(Mode.Collate);
}

int TPrinterDevice::MaxCopies() const {
    return Printer_->supportsMultipleCopies() ? 9999 : 1;
}

TDeviceGeometry TPrinterDevice::Geometry() const {
    TDeviceGeometry g;
    g.XDPI = g.YDPI = Printer_->resolution();
    const QPageLayout layout = Printer_->pageLayout();
    const QRectF full = layout.fullRectPoints();
    const QMarginsF strips = layout.marginsPoints();
    g.PageWidth = full.width() / 72.0;
    g.PageHeight = full.height() / 72.0;
    g.MarginLeft = strips.left() / 72.0;
    g.MarginRight = strips.right() / 72.0;
    g.MarginTop = strips.top() / 72.0;
    g.MarginBottom = strips.bottom() / 72.0;
    return g;
}

void TPrinterDevice::BeginDoc(const QString& Title, const QString& OutputFile) {
    if (Printing()) throw EReportError("Invalid method call.  Device already printing.");
    Printer_->setDocName(Title);
    OutputTarget_ = OutputFile;
    if (!OutputFile.isEmpty()) {
        RequireWritableFolder(Text(OutputFile));
        // Qt writes the job into a private scratch file; the finished job goes to the target
        // through the program's safe file writer. The suffix decides Qt's output format.
        QTemporaryFile temp(QDir::tempPath() + "/velmora-print-XXXXXX." + QFileInfo(OutputFile).suffix());
        temp.setAutoRemove(false);
        if (!temp.open()) throw EReportError("Cannot start printing to " + Text(OutputFile) + ".");
        OutputTemp_ = temp.fileName();
    }
    // A file job keeps the printer's settings; Qt writes the job as PDF on this platform.
    Printer_->setOutputFileName(OutputTemp_);
    if (!Painter_.begin(Printer_.get())) {
        const QString target = OutputFile.isEmpty() ? Printer_->printerName() : OutputFile;
        Printer_->setOutputFileName({});
        DropOutputTemp();
        throw EReportError("Cannot start printing to " + Text(target) + ".");
    }
    State_ = psPrinting;
    PageOpen_ = false;
}

void TPrinterDevice::DropOutputTemp() {
    if (!OutputTemp_.isEmpty()) QFile::remove(OutputTemp_);
    OutputTemp_.clear();
}

void TPrinterDevice::RequirePrinting() const {
    if (!Printing()) throw EReportError("Invalid method call.  Device is not printing.");
}

void TPrinterDevice::NewPage() {
    RequirePrinting();
    // Qt opens the first page with the job: only later pages need a page break.
    if (PageOpen_ && !Printer_->newPage())
        throw EReportError("Cannot start a new page on " + Text(Printer_->printerName()) + ".");
    PageOpen_ = true;
}

void TPrinterDevice::EndDoc() {
    RequirePrinting();
    bool ok = Painter_.end();
    Printer_->setOutputFileName({});
    State_ = psNotPrinting;
    PageOpen_ = false;
    if (!OutputTemp_.isEmpty()) {
        const QString scratch = OutputTemp_;
        OutputTemp_.clear();
        QFile job(scratch);
        QByteArray bytes;
        if (ok && job.open(QIODevice::ReadOnly)) bytes = job.readAll();
        ok = ok && job.error() == QFileDevice::NoError;
        job.close();
        QFile::remove(scratch);
        if (!ok) throw EReportError("Cannot write the print job to " + Text(OutputTarget_) + ".");
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
        SaveBytesToFile(Text(OutputTarget_), std::vector<uint8_t>(data, data + bytes.size()));
        return;
    }
    if (!ok) throw EReportError("Cannot finish the print job on " + Text(Printer_->printerName()) + ".");
}

void TPrinterDevice::Abort() {
    if (!Printing()) return;
    Printer_->abort();
    if (Painter_.isActive()) Painter_.end();
    Printer_->setOutputFileName({});
    DropOutputTemp();
    State_ = psAborted;
    PageOpen_ = false;
}

QPainter& TPrinterDevice::Canvas() {
    RequirePrinting();
    return Painter_;
}

bool TPrinterDevice::SetupDialog(QWidget* Parent) {
    QPrintDialog dialog(Printer_.get(), Parent);
    return dialog.exec() == QDialog::Accepted;
}

TPrinterDevice& ProcessPrinter() {
    static TPrinterDevice device;
    return device;
}
