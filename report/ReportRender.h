// The renderer interface: the page-stream reader (TPageConverter) plays a recorded stream by calling
// these operations page by page. Every double is in inches from the top-left corner of the page,
// every text position a baseline. The base class does nothing unless noted.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/RenderOperations.h"
#include "report/ReportTypes.h"

class TPageConverter;
class TStream;

class TReportRender {
  public:
    TReportRender();
    virtual ~TReportRender();
    TReportRender(const TReportRender&) = delete;
    TReportRender& operator=(const TReportRender&) = delete;

    // --- drawing operations, called by the reader (RenderOperations.h lists them) ---
    VELMORA_RENDER_OPERATIONS(VELMORA_RENDER_VIRTUAL)

    // --- document and page framing ---
    virtual void DocBegin();
    virtual void DocEnd(); // also called after a failure
    virtual void PageBegin();
    virtual void PageEnd();

    // Device resolution; the base returns 72.
    virtual int XDPI();
    virtual int YDPI();

    // --- entry points ---
    // Plays every page of Stream (from its position 0). With no Stream the file named by
    // InputFileName() is opened for reading and played. Ignored while the renderer is busy.
    virtual void RenderStream(TStream* Stream);
    // Plays one page (0 = every page) of the input stream; does nothing without one.
    virtual void RenderPage(int PageNo);
    virtual void RenderToFile(TStream* Stream, const std::string& OutputFileName);

    // round(XDPI * (X - left margin of the device)); YI2D likewise with the top margin.
    virtual int XI2D(double X);
    virtual int YI2D(double Y);

    // --- properties ---
    bool Active() const { return Active_; }
    void SetActive(bool Value) { Active_ = Value; }
    const std::string& DisplayName() const { return DisplayName_; }
    // Naming a renderer announces it to the renderer registry (see SetRegistryHook).
    void SetDisplayName(const std::string& Value);
    const std::string& FileExtension() const { return FileExtension_; }
    void SetFileExtension(const std::string& Value) { FileExtension_ = Value; }
    const std::string& OutputFileName() const { return OutputFileName_; }
    void SetOutputFileName(const std::string& Value) { OutputFileName_ = Value; }
    const std::string& InputFileName() const { return InputFileName_; }
    void SetInputFileName(const std::string& Value) { InputFileName_ = Value; }
    // Lines 0-19 are the texts of the page-stream macros 16-35.
    std::vector<std::string>& ExtraTexts() { return ExtraTexts_; }

    // --- state stored by the reader while it plays ---
    double PageWidth() const { return PageWidth_; } // inches, of the current page record
    double PageHeight() const { return PageHeight_; }
    void SetPageSize(double Width, double Height) {
        PageWidth_ = Width;
        PageHeight_ = Height;
    }
    double PenWidth() const { return PenWidth_; } // inches
    void SetPenWidth(double Value) { PenWidth_ = Value; }
    uint8_t RenderOption() const { return RenderOption_; } // the byte of code 35 (pen placement)
    void SetRenderOption(uint8_t Value) { RenderOption_ = Value; }
    // The reader that drives this renderer while it plays, else null. Its header, page fields,
    // font, pen and brush are the renderer's source for page geometry and drawing state.
    TPageConverter* Converter() const { return Converter_; }
    void SetConverter(TPageConverter* Value) { Converter_ = Value; }
    bool Busy() const { return Busy_; }

    // The renderer registry installs one hook; it is told when a renderer is named and when it is
    // destroyed, so the registry never holds a dangling renderer.
    using TRegistryHook = void (*)(TReportRender& Render, bool Destroyed);
    static void SetRegistryHook(TRegistryHook Hook);

    // The stream RenderPage plays (a preview keeps one and shows its pages one by one).
    TStream* InputStream() const { return Input_; }
    void SetInputStream(TStream* Stream) { Input_ = Stream; }

  private:
    bool Active_ = true;
    bool Busy_ = false;
    std::string DisplayName_;
    std::string FileExtension_;
    std::string OutputFileName_;
    std::string InputFileName_;
    std::vector<std::string> ExtraTexts_;
    double PageWidth_ = 8.5;
    double PageHeight_ = 11;
    double PenWidth_ = 0;
    uint8_t RenderOption_ = 0;
    TPageConverter* Converter_ = nullptr;
    TStream* Input_ = nullptr;
};
