// Helpers shared by the report tests: a deterministic text measurer, a renderer that logs every
// call, recording, playing and listing streams. REPORT_TEST_DATA is the folder of their golden files.
#pragma once

#include "TestFiles.h" // and GoogleTest

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "report/NDRWriter.h"
#include "report/ReportRender.h"
#include "report/ReportStream.h"
#include "report/TextMeasurer.h"

// The fuzzers' measurer (every byte 0.55 em wide): widths that depend on no installed font.
TTextMeasurer& FixedMeasurer();

// Logs each renderer call as one line of its name and arguments, e.g. "RenderLeftText 'abc' 1 0.5".
// A font, pen or brush change that leaves the state as the line before it is not logged again.
class TRecordingRender : public TReportRender {
  public:
    std::vector<std::string> Calls;
    std::vector<TReportGraphic> Graphics; // every graphic played, in order

    void DocBegin() override { Calls.push_back("DocBegin"); }
    void DocEnd() override { Calls.push_back("DocEnd"); }
    void PageBegin() override { Calls.push_back("PageBegin" + Values(PageWidth(), PageHeight())); }
    void PageEnd() override { Calls.push_back("PageEnd"); }

    // Every call, one a line.
    std::string Text() const;

  private:
    template <class... T> std::string Values(const T&... Value) {
        std::string Line;
        ((Line += " " + Describe(Value)), ...);
        return Line;
    }
    std::string Describe(double Value);
    std::string Describe(int Value) { return std::to_string(Value); }
    std::string Describe(const std::string& Text) { return "'" + Text + "'"; }
    std::string Describe(const char* Label) { return Label; }
    std::string Describe(const TRect& R) { return Values(R.Left, R.Top, R.Right, R.Bottom).substr(1); }
    std::string Describe(const std::vector<TPoint>& Points);
    std::string Describe(const TStream& Stream) { return "stream(" + std::to_string(Stream.Size()) + ")"; }
    std::string Describe(const TReportGraphic& Graphic);
    std::string Describe(const TReportFont& Font);
    std::string Describe(const TReportPen& P) {
        return Values("color", P.Color, "mode", P.Mode, "style", P.Style, "width", P.Width).substr(1);
    }
    std::string Describe(const TReportBrush& B) {
        return Values("color", B.Color, "style", B.Style).substr(1) + (B.Pattern.Empty() ? "" : " pattern");
    }
    void Log(const std::string& Line) {
        if (Line.find("Changed ") == std::string::npos || Calls.empty() || Calls.back() != Line)
            Calls.push_back(Line);
    }

  public:
#define VELMORA_LOG_OPERATION(Name, Params, Args)                                                            \
    void Name Params override {                                                                              \
        Log(#Name + Values Args);                                                                            \
    }
    VELMORA_RENDER_OPERATIONS(VELMORA_LOG_OPERATION)
#undef VELMORA_LOG_OPERATION
};

// The message of the report error Action throws; empty when it throws none.
std::string ErrorOf(const std::function<void()>& Action);

// Plays Bytes into Render with the fixed measurer; returns the error message, empty on success.
std::string Play(const std::vector<uint8_t>& Bytes, TReportRender& Render, int PageNo = 0);

// A writer on smMemory with the fixed measurer and no file.
void PrepareWriter(TNDRWriter& Writer);

// A part of a layout, or the writer's set-up before a run.
using TStep = std::function<void(TNDRWriter&)>;

// Records Layout with a prepared writer (Setup runs before) and returns the stream's bytes.
std::vector<uint8_t> Record(const TStep& Layout, const TStep& Setup = nullptr);

// The stream as the dump command lists it, ending with the reader's error on damage. Without the
// whole header only its first line and its page count are kept.
std::string Listing(const std::vector<uint8_t>& Bytes, bool WholeHeader = true);

// Three pages that use every drawing, text, output and state operation of the surface, with
// formatted runs, page-number and variable macros and a picture stored once and drawn twice.
void EveryOperation(TNDRWriter& W);
