#include "report/ReportRenderStream.h"

#include "report/ReportError.h"
#include "report/ReportStream.h"

TReportRenderStream::TReportRenderStream() = default;

TReportRenderStream::~TReportRenderStream() {
    // An output file still open here was never completed: drop it rather than leave half a file.
    if (OwnedOutput_) OwnedOutput_->Discard();
}

void TReportRenderStream::WriteText(std::string_view S) {
    if (S.empty()) return;
    if (!Output_) throw EReportError("No output stream to write to.");
    Output_->Write(S.data(), S.size());
}

void TReportRenderStream::WriteFmt(std::string_view Fmt, std::initializer_list<TFmtArg> Args) {
    WriteText(FormatText(Fmt, Args));
}

void TReportRenderStream::WriteLine(std::string_view S) {
    std::string Line(S);
    Line += "\r\n";
    WriteText(Line);
}

void TReportRenderStream::WriteLineFmt(std::string_view Fmt, std::initializer_list<TFmtArg> Args) {
    WriteLine(FormatText(Fmt, Args));
}

void TReportRenderStream::CloseOutput() {
    if (!OwnedOutput_) {
        Output_ = nullptr;
        return;
    }
    std::unique_ptr<TSafeFileStream> File = std::move(OwnedOutput_);
    if (Output_ == File.get()) Output_ = nullptr;
    File->Commit();
}

void TReportRenderStream::OpenOutput(const std::string& FileName) {
    if (OwnedOutput_) OwnedOutput_->Discard();
    OwnedOutput_ = std::make_unique<TSafeFileStream>(FileName);
    Output_ = OwnedOutput_.get();
}
