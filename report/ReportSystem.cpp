#include "report/ReportSystem.h"

#include "report/NDRWriter.h"
#include "report/RendererRegistry.h"
#include "report/ReportError.h"
#include "report/ReportRender.h"
#include "report/ReportStream.h"

#include <cstdio>
#include <utility>

#include "platform/ScopeExit.h"

namespace {} // namespace

TReportSystem::TReportSystem() : Platform_(&WindowlessReportPlatform()) {}

TReportSystem::~TReportSystem() = default;

TSetupInput TReportSystem::SetupInput() {
    return {SystemSetups, DefaultDest, Platform_->HasPrinter()};
}

void TReportSystem::ApplySetup(const TSetupResult& Result) {
    Dest_ = Result.Dest;
    OutputFileName_ = Result.FileName;
    NativeOutput_ = Result.NativeOutput;
    Renderer_ = nullptr;
    if (Result.RendererIndex >= 0) {
        const auto renderers = ActiveRenderers();
        if (Result.RendererIndex < static_cast<int>(renderers.size()))
            Renderer_ = renderers[Result.RendererIndex].Render;
    }
    if (Result.Copies) SystemPrinter.Copies = *Result.Copies;
    if (Result.Collate) SystemPrinter.Collate = *Result.Collate;
    if (Result.Duplex) SystemPrinter.Duplex = *Result.Duplex ? 1 : 0;
}

void TReportSystem::RunHandler(const TReportSystemEvent& Override,
                               void (TReportSystemPlatform::*Builtin)(TReportSystem&, TOverrideMode,
                                                                      std::unique_ptr<TRunForm>&),
                               std::initializer_list<TOverrideMode> Modes, std::unique_ptr<TRunForm>& Form) {
    for (TOverrideMode mode : Modes) {
        if (Override)
            Override(*this, mode, Form);
        else
            (Platform_->*Builtin)(*this, mode, Form);
    }
}

void TReportSystem::RunWindow(const TReportSystemEvent& Override,
                              void (TReportSystemPlatform::*Builtin)(TReportSystem&, TOverrideMode,
                                                                     std::unique_ptr<TRunForm>&)) {
    std::unique_ptr<TRunForm> form;
    RunHandler(Override, Builtin, {omCreate}, form);
    const platform::ScopeExit free([&] { RunHandler(Override, Builtin, {omFree}, form); });
    RunHandler(Override, Builtin, {omShow, omWait}, form);
}

void TReportSystem::RunReport() {
    Dest_ = DefaultDest;
    Cancelled_ = false;
    OutputFileName_.clear();
    NativeOutput_ = false;
    Renderer_ = nullptr;
    CopiesByRepetition_ = false;

    if (SystemSetups.Contains(ssAllowSetup)) RunWindow(OverrideSetup, &TReportSystemPlatform::SetupHandler);
    if (Cancelled_) return;

    CopiesByRepetition_ = Platform_->PrinterMaxCopies() < 2 && SystemPrinter.Copies > 1;
    const bool generate = !SystemOptions.Contains(soNoGenerate);
    const bool pageStreamFile = Dest_ == rdFile && !NativeOutput_ && !Renderer_;
    // Every other output plays the recording afterwards, so a memory recording is kept for the
    // whole run; a page-stream file is written straight to its file.
    std::unique_ptr<TMemoryStream> memory;
    if (generate && SystemFiler.StreamMode == smMemory && !pageStreamFile)
        memory = std::make_unique<TMemoryStream>();

    // A temporary recording is this run's own: it never outlives the run.
    const std::string filerName = SystemFiler.FileName;
    const platform::ScopeExit dropTemp([&] {
        if (generate && SystemFiler.StreamMode == smTempFile && !pageStreamFile &&
            SystemFiler.FileName != filerName) {
            std::remove(SystemFiler.FileName.c_str());
            SystemFiler.FileName = filerName;
        }
    });

    if (generate) Record(memory.get());
    if (!Cancelled_) Output(memory.get());
}

void TReportSystem::ConfigureWriter(TNDRWriter& Writer, TStream* MemoryStream) {
    const TSystemPrinter& p = SystemPrinter;
    Writer.SetCopies(p.Copies);
    Writer.SetFirstPage(p.FirstPage);
    Writer.SetLastPage(p.LastPage);
    Writer.SetLineHeightMethod(p.LineHeightMethod);
    Writer.SetLinesPerInch(p.LinesPerInch);
    Writer.SetMarginBottom(p.MarginBottom);
    Writer.SetMarginLeft(p.MarginLeft);
    Writer.SetMarginRight(p.MarginRight);
    Writer.SetMarginTop(p.MarginTop);
    Writer.SetOrientation(p.Orientation);
    Writer.SetScaleX(p.ScaleX);
    Writer.SetScaleY(p.ScaleY);
    Writer.SetStatusFormat(p.StatusFormat);
    Writer.StatusText() = p.StatusText;
    Writer.SetTabShade(p.TabShade);
    Writer.SetTextBKMode(p.TextBKMode);
    Writer.SetTitle(p.Title);
    // The factor first: a named unit then sets its own factor, and unUser keeps the given one.
    Writer.SetUnitsFactor(p.UnitsFactor);
    if (p.Units != unUser) Writer.SetUnits(p.Units);
    if (Platform_->HasPrinter()) {
        Writer.SetDevice(Platform_->PrinterReference());
        Writer.SetCollate(p.Collate);
        Writer.SetDuplex(p.Duplex);
    }

    const TSystemFiler& f = SystemFiler;
    Writer.SetAccuracyMethod(f.AccuracyMethod);
    Writer.SetFileName(f.FileName);
    Writer.SetStatusFormat(f.StatusFormat);
    Writer.StatusText() = f.StatusText;
    Writer.SetStreamMode(f.StreamMode);
    if (f.StreamMode == smMemory && MemoryStream) {
        Writer.SetStreamMode(smUser);
        Writer.SetStream(MemoryStream);
    } else if (f.StreamMode == smUser) {
        Writer.SetStream(f.Stream);
    }
    if (Dest_ == rdFile && !NativeOutput_ && !Renderer_) {
        Writer.SetStreamMode(smFile);
        Writer.SetFileName(OutputFileName_);
    }

    static_cast<TReportEvents&>(Writer) = *this;
}

void TReportSystem::Record(TStream* MemoryStream) {
    // Until the writer says otherwise, a failure leaves the run cancelled.
    Cancelled_ = true;
    std::unique_ptr<TRunForm> status;
    RunHandler(OverrideStatus, &TReportSystemPlatform::StatusHandler, {omCreate}, status);
    const platform::ScopeExit freeStatus([&] {
        Writer_ = nullptr;
        RunHandler(OverrideStatus, &TReportSystemPlatform::StatusHandler, {omFree}, status);
    });

    TNDRWriter writer;
    ConfigureWriter(writer, MemoryStream);
    Writer_ = &writer;
    RunHandler(OverrideStatus, &TReportSystemPlatform::StatusHandler, {omShow}, status);
    writer.Execute();
    Cancelled_ = writer.Aborted();
    SystemFiler.FileName = writer.FileName();
}

std::unique_ptr<TStream> TReportSystem::OpenRecorded(TStream* MemoryStream, TStream*& Stream) {
    std::unique_ptr<TStream> owned;
    if (MemoryStream) {
        MemoryStream->Seek(0);
        auto copy = std::make_unique<TMemoryStream>();
        copy->CopyFrom(*MemoryStream);
        owned = std::move(copy);
        Stream = owned.get();
    } else if (SystemFiler.StreamMode == smUser) {
        if (!SystemFiler.Stream) throw EReportError("StreamMode is smUser but Stream is nil");
        Stream = SystemFiler.Stream;
    } else {
        owned = std::make_unique<TFileStream>(SystemFiler.FileName, fmOpenRead);
        Stream = owned.get();
    }
    Stream->Seek(0);
    return owned;
}

void TReportSystem::PrintCopies(TStream& Stream, const std::string& OutputFile) {
    // A printer that makes no copies itself gets the whole report once per copy; a file holds
    // one copy whatever is asked.
    if (CopiesByRepetition_ && OutputFile.empty()) {
        for (int copy = 0; copy < SystemPrinter.Copies; ++copy) {
            Stream.Seek(0);
            Platform_->PrintStream(*this, Stream, OutputFile, 1);
        }
        return;
    }
    Platform_->PrintStream(*this, Stream, OutputFile, SystemPrinter.Copies);
}

void TReportSystem::Output(TStream* MemoryStream) {
    const bool toPrinter = Dest_ == rdPrinter || (Dest_ == rdFile && NativeOutput_);
    if (Dest_ == rdFile && !NativeOutput_ && !Renderer_) return; // the recording is the file
    TStream* stream = nullptr;
    const std::unique_ptr<TStream> owned = OpenRecorded(MemoryStream, stream);
    if (toPrinter) {
        PrintCopies(*stream, Dest_ == rdFile ? OutputFileName_ : std::string());
    } else if (Dest_ == rdFile) {
        Renderer_->RenderToFile(stream, OutputFileName_);
    } else {
        Output_ = stream;
        const platform::ScopeExit clear([&] { Output_ = nullptr; });
        RunWindow(OverridePreview, &TReportSystemPlatform::PreviewHandler);
    }
}
