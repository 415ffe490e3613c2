// The component the program calls to print a report: one RunReport is a whole print run - the
// Output Options dialog, recording the layout into a page stream with a status window, and the
// output of that stream to the printer, the preview window or a file.
#pragma once

#include "report/BaseReport.h"
#include "report/ReportEvents.h"
#include "report/ReportSystemPlatform.h"
#include "report/ReportSystemSettings.h"
#include "report/ReportSystemTypes.h"
#include "report/SetupOptions.h"

#include <functional>
#include <memory>
#include <string>

class TNDRWriter;
class TReportRender;
class TStream;

class TReportSystem;
using TReportSystemEvent =
    std::function<void(TReportSystem& Sender, TOverrideMode Mode, std::unique_ptr<TRunForm>& Form)>;
using TPreviewSetupEvent = std::function<void(TReportSystem& Sender, TReportRender& Preview)>;
using TReportSystemNotify = std::function<void(TReportSystem& Sender)>;

// The layout hooks (TReportEvents: OnPrint, OnPrintPage, ..., OnDecodeImage) are handed to the
// writer unchanged.
class TReportSystem : public TReportEvents {
  public:
    TReportSystem();
    ~TReportSystem();
    TReportSystem(const TReportSystem&) = delete;
    TReportSystem& operator=(const TReportSystem&) = delete;

    // ---------- published properties ----------
    std::string TitleSetup = "Output Options";
    std::string TitleStatus = "Report Status";
    std::string TitlePreview = "Report Preview";
    TSystemSetups SystemSetups = AllSystemSetups();
    TSystemOptions SystemOptions{soShowStatus, soAllowPrintFromPreview, soPreviewModal};
    TReportDest DefaultDest = rdPreview;
    TSystemFiler SystemFiler;
    TSystemPreview SystemPreview;
    TSystemPrinter SystemPrinter;

    TPreviewSetupEvent OnPreviewSetup; // before the preview shows its first page
    TReportSystemNotify OnPreviewShow;

    // Replace the built-in dialog, status window or preview window when assigned.
    TReportSystemEvent OverrideSetup, OverrideStatus, OverridePreview;

    // The printing services and built-in windows; the windowless one unless the program sets
    // another (it must outlive the component).
    void SetPlatform(TReportSystemPlatform& Platform) { Platform_ = &Platform; }
    TReportSystemPlatform& Platform() const { return *Platform_; }

    // ---------- the run ----------
    // Runs one print run; returns when it is over. Errors other than cancellation propagate.
    void RunReport();

    // Working state of the run, read and set by the handlers.
    TReportDest ReportDest() const { return Dest_; }
    void SetReportDest(TReportDest Value) { Dest_ = Value; }
    const std::string& OutputFileName() const { return OutputFileName_; }
    void SetOutputFileName(const std::string& Value) { OutputFileName_ = Value; }
    bool NativeOutput() const { return NativeOutput_; }
    void SetNativeOutput(bool Value) { NativeOutput_ = Value; }
    TReportRender* Renderer() const { return Renderer_; }
    void SetRenderer(TReportRender* Value) { Renderer_ = Value; }
    bool Cancelled() const { return Cancelled_; }
    void SetCancelled(bool Value) { Cancelled_ = Value; }
    bool CopiesByRepetition() const { return CopiesByRepetition_; }
    // The writer while the report is recorded (the status window's Cancel aborts it), else null.
    TNDRWriter* CurrentWriter() const { return Writer_; }
    // The recorded stream while it is output (the preview plays it), else null.
    TStream* OutputStream() const { return Output_; }

    // Stores what the Output Options dialog's OK chose: destination, file, format, printer options.
    void ApplySetup(const TSetupResult& Result);
    // What the dialog's rules read from this component and the platform.
    TSetupInput SetupInput();

  private:
    void RunHandler(const TReportSystemEvent& Override,
                    void (TReportSystemPlatform::*Builtin)(TReportSystem&, TOverrideMode,
                                                           std::unique_ptr<TRunForm>&),
                    std::initializer_list<TOverrideMode> Modes, std::unique_ptr<TRunForm>& Form);
    void RunWindow(const TReportSystemEvent& Override,
                   void (TReportSystemPlatform::*Builtin)(TReportSystem&, TOverrideMode,
                                                          std::unique_ptr<TRunForm>&));
    void Record(TStream* MemoryStream);
    void ConfigureWriter(TNDRWriter& Writer, TStream* MemoryStream);
    void Output(TStream* MemoryStream);
    std::unique_ptr<TStream> OpenRecorded(TStream* MemoryStream, TStream*& Stream);
    void PrintCopies(TStream& Stream, const std::string& OutputFile);
    void RenderToFile(TStream* MemoryStream);

    TReportSystemPlatform* Platform_;
    TReportDest Dest_ = rdPreview;
    std::string OutputFileName_;
    bool NativeOutput_ = false;
    TReportRender* Renderer_ = nullptr;
    bool Cancelled_ = false;
    bool CopiesByRepetition_ = false;
    TNDRWriter* Writer_ = nullptr;
    TStream* Output_ = nullptr;
};
