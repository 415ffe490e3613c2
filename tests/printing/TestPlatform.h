// A printing platform for the run and window tests: a printer that exists or not and records what
// it is asked to print, windows that only note their modes and apply a scripted setup choice.
#pragma once

#include "PrintTestSupport.h"
#include "report/ReportError.h"
#include "report/ReportSystem.h"
#include "report/ReportSystemPlatform.h"

#include <optional>

struct TPrintCall {
    std::string OutputFile;
    int Copies = 0;
    int Pages = 0;
};

class TTestPlatform : public TReportSystemPlatform {
  public:
    bool Printer = true;
    int SetupDialogs = 0;
    int MaxCopies = 9999;
    bool CancelSetup = false;
    std::optional<TSetupResult> Accept; // what OK stores; nothing = the defaults stand
    std::vector<TPrintCall> Printed;
    std::vector<std::string> Log; // "setup:0", "status:1", ... (window:mode)
    int PreviewPages = -1;
    std::string FilerNameDuringPreview;
    bool FailPrinting = false;

    bool HasPrinter() override { return Printer; }
    int PrinterMaxCopies() override { return MaxCopies; }
    std::string PrinterDisplayName() override { return Printer ? "TestPrinter on file" : ""; }
    bool PrinterSetupDialog() override { return ++SetupDialogs, Printer; }
    TReferenceDevice PrinterReference() override {
        TReferenceDevice d;
        d.HasPrinter = true;
        d.XDPI = d.YDPI = 600;
        d.DeviceName = "FakePrinter";
        return d;
    }
    void PrintStream(TReportSystem&, TStream& Stream, const std::string& OutputFile, int Copies) override {
        if (FailPrinting) throw EReportError("Printer is out of paper.");
        Printed.push_back({OutputFile, Copies, PagesIn(Stream)});
    }
    void SetupHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>&) override {
        Log.push_back("setup:" + std::to_string(Mode));
        if (Mode != omWait) return;
        if (CancelSetup)
            System.SetCancelled(true);
        else if (Accept)
            System.ApplySetup(*Accept);
    }
    void StatusHandler(TReportSystem&, TOverrideMode Mode, std::unique_ptr<TRunForm>&) override {
        Log.push_back("status:" + std::to_string(Mode));
    }
    void PreviewHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>&) override {
        Log.push_back("preview:" + std::to_string(Mode));
        if (Mode == omShow) {
            PreviewPages = PagesIn(*System.OutputStream());
            FilerNameDuringPreview = System.SystemFiler.FileName;
        }
    }
};
