// The printer as the renderers and the Output Options dialog see it: the installed printers and
// the default one, the selected printer's device settings and page geometry, print jobs with
// their pages, and the platform's printer setup dialog. Built on Qt PrintSupport (CUPS here).
#pragma once

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>

class QWidget;

// Device settings of the selected printer.
struct TDeviceMode {
    int Orientation = 0; // 0 portrait, 1 landscape
    int PaperSize = 1;   // QPageSize id of the paper
    int PaperWidth = 0;  // tenths of a millimetre
    int PaperLength = 0;
    int Copies = 1;
    int DefaultBin = 0; // QPrinter::PaperSource
    int Duplex = 0;     // 0 simplex, 1 vertical (long side), 2 horizontal (short side)
    bool Collate = false;
};

// Page geometry of the selected printer in inches.
struct TDeviceGeometry {
    int XDPI = 300, YDPI = 300;
    double PageWidth = 8.5, PageHeight = 11;
    double MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0; // unprintable strips
};

class TPrinterDevice {
  public:
    enum TState { psNotPrinting, psPrinting, psAborted };

    TPrinterDevice();
    ~TPrinterDevice();
    TPrinterDevice(const TPrinterDevice&) = delete;
    TPrinterDevice& operator=(const TPrinterDevice&) = delete;

    static QStringList Printers();
    static QString DefaultPrinter();

    // A usable printer is selected (false when the platform has none).
    bool Valid() const;
    // Selects an installed printer; fails with "Invalid Printer - DEVICE on PORT (DRIVER)".
    void SelectPrinter(const QString& Name);
    QString Device() const;
    QString Port() const;
    QString Driver() const;
    // "DEVICE on PORT", as the Output Options dialog shows the printer.
    QString DisplayName() const;

    TDeviceMode DeviceMode() const;
    // Changes take effect at the next page.
    void SetDeviceMode(const TDeviceMode& Mode);
    // The most copies the printer makes by itself (1 when it makes none).
    int MaxCopies() const;
    TDeviceGeometry Geometry() const;

    // Jobs. BeginDoc opens the first page; with an OutputFile the job goes to that file.
    void BeginDoc(const QString& Title, const QString& OutputFile = {});
    void NewPage();
    void EndDoc();
    void Abort();
    TState State() const { return State_; }
    bool Printing() const { return State_ == psPrinting; }
    // The painter drawing on the printer's page; fails unless a job is running.
    QPainter& Canvas();

    // The platform's printer setup dialog; true when the user accepted it.
    bool SetupDialog(QWidget* Parent);

    QPrinter& Printer() { return *Printer_; }

  private:
    void RequirePrinting() const;
    // A file job is written to a scratch file, which becomes the target only when the job ends
    // well; an aborted or failed job leaves the old file as it was.
    QString OutputTarget_;
    QString OutputTemp_;
    void DropOutputTemp();

    std::unique_ptr<QPrinter> Printer_;
    QPainter Painter_;
    TState State_ = psNotPrinting;
    bool PageOpen_ = false;
};

// The process-wide printer device (the default printer until the user picks another).
TPrinterDevice& ProcessPrinter();
