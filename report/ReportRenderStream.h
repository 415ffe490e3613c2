// A renderer with an output stream and the write operations its output is made of. Numbers are
// always formatted with "." as the decimal separator.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "report/FormatText.h"
#include "report/ReportRender.h"

class TReportRenderStream : public TReportRender {
  public:
    TReportRenderStream();
    ~TReportRenderStream() override;

    virtual void WriteText(std::string_view S); // the bytes of S; nothing for an empty S
    virtual void WriteFmt(std::string_view Fmt, std::initializer_list<TFmtArg> Args);
    virtual void WriteLine(std::string_view S); // S, then CR LF
    virtual void WriteLineFmt(std::string_view Fmt, std::initializer_list<TFmtArg> Args);
    // Releases an output file that OpenOutput opened (flushed and closed) and clears the output.
    virtual void CloseOutput();

    // Creates FileName (replacing an existing file) and makes it the output. The file is written
    // whole or not at all: it replaces the target when CloseOutput succeeds.
    void OpenOutput(const std::string& FileName);

    // The stream written to; may be null. Setting it does not transfer ownership.
    TStream* OutputStream() const { return Output_; }
    void SetOutputStream(TStream* Stream) { Output_ = Stream; }

  private:
    TStream* Output_ = nullptr;
    std::unique_ptr<class TSafeFileStream> OwnedOutput_;
};
