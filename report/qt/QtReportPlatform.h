// The print run's platform on Qt: the printer device over CUPS, the printer renderer, and the
// built-in Output Options dialog, status window and preview window.
#pragma once

#include "report/ReportSystemPlatform.h"

class TPrinterDevice;

class TQtReportPlatform : public TReportSystemPlatform {
  public:
    explicit TQtReportPlatform(TPrinterDevice& Printer);

    bool HasPrinter() override;
    int PrinterMaxCopies() override;
    std::string PrinterDisplayName() override;
    bool PrinterSetupDialog() override;
    TReferenceDevice PrinterReference() override;
    void PrintStream(TReportSystem& System, TStream& Stream, const std::string& OutputFile,
                     int Copies) override;

    void SetupHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>& Form) override;
    void StatusHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>& Form) override;
    void PreviewHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>& Form) override;

  private:
    TPrinterDevice& Printer_;
};

// The platform on the process-wide printer device.
TQtReportPlatform& QtReportPlatform();
