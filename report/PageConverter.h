// The page-stream reader: plays a recorded stream into a renderer. The stream is untrusted input;
// every malformed stream ends with an EReportError saying what was wrong, and the renderer's DocEnd
// is called whatever happened.
#pragma once

#include <cstdint>
#include <ctime>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "report/PageStreamHeader.h"
#include "report/ReportTypes.h"

struct TCommand;
class TByteViewStream;
class TPageStreamDecoder;
class TReportRender;
class TStream;
class TTextMeasurer;

class TPageConverter {
  public:
    // Measuring resolution of formatted text runs.
    static constexpr int MeasureDPI = 1248;
    // Largest stream the reader loads; a bigger one is refused rather than exhausting memory.
    static constexpr uint64_t MaxStreamSize = uint64_t{1} << 30;
    // Longest text macro expansion may produce (twice the longest text a stream can store), and
    // the most text the expansions of one page may produce together: nested variables would
    // otherwise turn a few bytes into megabytes of output.
    static constexpr size_t MaxExpandedText = 32768;
    static constexpr size_t MaxExpandedPerPage = 262144;

    TPageConverter(TStream& Stream, TReportRender& Render);
    TPageConverter(TStream& Stream, TReportRender& Render, TTextMeasurer& Measurer);
    ~TPageConverter();
    TPageConverter(const TPageConverter&) = delete;
    TPageConverter& operator=(const TPageConverter&) = delete;

    // PageNo 0 plays every page, a positive PageNo only that page (reached through the page links).
    void Generate(int PageNo);

    // --- what renderers read while Generate runs ---
    const TPageStreamHeader& Header() const { return Header_; }
    // The report has no pages (its header counts none and nothing follows it).
    bool Empty() const;
    int CurrentPage() const { return CurrentPage_; } // page number of the page being played
    double PageWidth() const { return PageWidth_; }  // inches, of the current page record
    double PageHeight() const { return PageHeight_; }
    const TReportFont& Font() const { return Font_; }
    const TReportPen& Pen() const { return Pen_; } // Width in inches
    const TReportBrush& Brush() const { return Brush_; }
    uint16_t FontRotation() const { return Font_.Rotation; } // degrees
    const std::map<std::string, std::string>& Variables() const { return Variables_; }

    // The moment playback started (date and time macros use it); settable for reproducible output.
    void SetNow(std::time_t Now) {
        Now_ = Now;
        NowSet_ = true;
    }

    // Replaces the page-stream macros in Text (date, page numbers, renderer texts, variables).
    std::string ExpandMacros(const std::string& Text);

  private:
    void LoadData();
    void PlayAll();
    void PlayOne(int PageNo);
    void PlayPage();
    void Dispatch(const TCommand& Command);
    // The playback steps the code table names.
    void PlayMoveTo(const TCommand& Command);
    void PlayRenderLineTo(const TCommand& Command);
    void PlayRenderPolygon(const TCommand& Command);
    void PlayRenderPolyline(const TCommand& Command);
    void PlayRenderCenterText(const TCommand& Command);
    void PlayRenderLeftText(const TCommand& Command);
    void PlayRenderRightText(const TCommand& Command);
    void PlayRenderOption(const TCommand& Command);
    void PlayVariable(const TCommand& Command);
    void PlayFontChanged(const TCommand& Command);
    void PlayPenChanged(const TCommand& Command);
    void PlayBrushChanged(const TCommand& Command);
    // The points of a polygon or polyline in 1/1248 inch, after moving to the first one.
    std::vector<TPoint> PolyPoints(const TCommand& Command);
    // The image bytes of the command as a stream at position 0.
    TStream& ImageStream(const TCommand& Command);
    void RenderText(uint8_t Code, const std::string& Text, double X, double Y);
    void RenderFormattedText(uint8_t Code, const std::string& Text, double X, double Y);
    TRect DeviceRect(const float* F);
    std::string MacroText(int Number) const;
    void NotifyFont();

    std::vector<uint8_t> Owned_; // the stream's bytes when it is not already in memory
    const uint8_t* Data_ = nullptr;
    size_t Size_ = 0;
    std::unique_ptr<TPageStreamDecoder> Decoder_;
    std::unique_ptr<TByteViewStream> ImageView_;
    double CurX_ = 0; // current point for line drawing, inches
    double CurY_ = 0;

    TStream& Stream_;
    TReportRender& Render_;
    TTextMeasurer& Measurer_;
    TPageStreamHeader Header_;
    int CurrentPage_ = 0;
    double PageWidth_ = 0;
    double PageHeight_ = 0;
    TReportFont Font_;
    TReportPen Pen_;
    TReportBrush Brush_;
    std::map<std::string, std::string> Variables_;
    size_t PageExpansion_ = 0; // bytes the macros of the current page have produced
    std::time_t Now_ = 0;
    bool NowSet_ = false;
};
