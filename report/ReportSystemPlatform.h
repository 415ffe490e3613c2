// What the print run needs from the windowing and printing services: the printer's facts, playing
// a recorded stream to the printer, and the built-in Output Options dialog, status window and
// preview window. The Qt side supplies the real one; without it the run has no printer and no
// windows, which is what the command-line tools and the run-logic tests use.
#pragma once

#include "report/ReferenceDevice.h"
#include "report/ReportSystemTypes.h"

#include <memory>
#include <string>

class TReportSystem;
class TStream;

// A window the run's handlers create on omCreate and free on omFree.
class TRunForm {
  public:
    virtual ~TRunForm() = default;
};

class TReportSystemPlatform {
  public:
    virtual ~TReportSystemPlatform() = default;

    // A usable printer is selected.
    virtual bool HasPrinter() = 0;
    // The most copies the selected printer makes by itself.
    virtual int PrinterMaxCopies() = 0;
    // The selected printer as the dialog shows it ("DEVICE on PORT"); empty without one.
    virtual std::string PrinterDisplayName() = 0;
    // The platform's printer setup dialog for the selected printer; true when accepted.
    virtual bool PrinterSetupDialog() = 0;
    // The selected printer as the recording's reference device.
    virtual TReferenceDevice PrinterReference() = 0;
    // Plays every page of Stream on the printer, or into OutputFile when it is not empty, with
    // the given number of copies made by the printer.
    virtual void PrintStream(TReportSystem& System, TStream& Stream, const std::string& OutputFile,
                             int Copies) = 0;

    // The built-in handlers of the run's three windows.
    virtual void SetupHandler(TReportSystem& System, TOverrideMode Mode, std::unique_ptr<TRunForm>& Form) = 0;
    virtual void StatusHandler(TReportSystem& System, TOverrideMode Mode,
                               std::unique_ptr<TRunForm>& Form) = 0;
    virtual void PreviewHandler(TReportSystem& System, TOverrideMode Mode,
                                std::unique_ptr<TRunForm>& Form) = 0;
};

// No printer, no windows: the dialog is skipped (its defaults stand), the status is not shown, and
// printer output fails with "No printers installed!".
TReportSystemPlatform& WindowlessReportPlatform();
