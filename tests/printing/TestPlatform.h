// A printing platform for window tests: a printer that exists or not, windows that do nothing.
#pragma once

#include "report/ReportSystemPlatform.h"

class TTestPlatform : public TReportSystemPlatform {
  public:
    bool Printer = true;
    int SetupDialogs = 0;
    bool HasPrinter() override { return Printer; }
    int PrinterMaxCopies() override { return 9999; }
    std::string PrinterDisplayName() override { return Printer ? "TestPrinter on file" : ""; }
    bool PrinterSetupDialog() override { return ++SetupDialogs, Printer; }
    TReferenceDevice PrinterReference() override { return {}; }
    void PrintStream(TReportSystem&, TStream&, const std::string&, int) override {}
    void SetupHandler(TReportSystem&, TOverrideMode, std::unique_ptr<TRunForm>&) override {}
    void StatusHandler(TReportSystem&, TOverrideMode, std::unique_ptr<TRunForm>&) override {}
    void PreviewHandler(TReportSystem&, TOverrideMode, std::unique_ptr<TRunForm>&) override {}
};
