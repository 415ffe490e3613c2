#include "report/qt/RenderPrinter.h"

#include "report/PageConverter.h"
#include "report/ReportStream.h"
#include "report/qt/PrinterDevice.h"

#include <algorithm>

TRenderPrinter::TRenderPrinter(TPrinterDevice& Device) : Device_(Device) {
    SetActive(false);
}

void TRenderPrinter::DocBegin() {
    PageOpen_ = false;
    Title_ = JobTitle;
    if (Converter()) {
        PageCount = Converter()->Header().PageCount;
        if (Title_.empty()) Title_ = Converter()->Header().Title;
    }
}

void TRenderPrinter::DocEnd() {
    TRenderCanvas::DocEnd();
    // A report without pages starts no job: nothing goes to the printer or the file.
    if (!Device_.Printing()) return;
    // The reader calls DocEnd after a failure too: a job whose page never ended is aborted rather
    // than finished, so no half-printed page goes out.
    if (PageOpen_)
        Device_.Abort();
    else
        Device_.EndDoc();
}

void TRenderPrinter::PageBegin() {
    // The job starts with its first page.
    if (!Device_.Printing())
        Device_.BeginDoc(QString::fromStdString(Title_), QString::fromStdString(OutputFileName()));
    Device_.NewPage();
    PageOpen_ = true;
}

void TRenderPrinter::PageEnd() {
    PageOpen_ = false;
}

int TRenderPrinter::XDPI() {
    return Device_.Geometry().XDPI;
}

int TRenderPrinter::YDPI() {
    return Device_.Geometry().YDPI;
}

QPainter& TRenderPrinter::GetCanvas() {
    return Device_.Canvas();
}

void TRenderPrinter::PrintCopies(TStream& Stream) {
    const int copies = std::max(1, Copies);
    const bool printerCopies = Device_.MaxCopies() >= 2;
    TDeviceMode mode = Device_.DeviceMode();
    mode.Copies = printerCopies ? copies : 1;
    mode.Collate = Collate;
    if (Duplex && mode.Duplex == 0)
        mode.Duplex = 1;
    else if (!Duplex)
        mode.Duplex = 0;
    Device_.SetDeviceMode(mode);
    for (int pass = 0; pass < (printerCopies ? 1 : copies); ++pass) {
        Stream.Seek(0);
        RenderStream(&Stream);
    }
}
