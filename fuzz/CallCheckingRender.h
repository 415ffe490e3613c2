// A renderer that records the reader's calls and checks the order a renderer may rely on: at most one
// DocBegin, first, pages opened and closed in turn, drawing only inside a page, polygon counts
// that match their points, finite page sizes handed over before each page.
#pragma once

#include "report/ReportRender.h"

#include <cstddef>
#include <cstdint>

class TCallCheckingRender : public TReportRender {
  public:
    // Checks what must hold once the reader has returned or failed.
    void CheckFinished() const;

    std::size_t Calls() const { return Calls_; }
    std::size_t Pages() const { return Pages_; }

    void DocBegin() override;
    void DocEnd() override;
    void PageBegin() override;
    void PageEnd() override;

    VELMORA_RENDER_OPERATIONS(VELMORA_RENDER_OVERRIDE)

  private:
    void Drawing();
    // What each operation's arguments must satisfy; most have nothing to check.
    template <class... T> void Check(const T&...) {}
    void Check(const std::string& Text, double X, double Y);
    void Check(const std::string& Text, double X, double Y, double Width);
    void Check(const TRect& Rect, const std::string& Text, double X, double Y);
    void Check(const std::vector<TPoint>& Points, int HighIndex);
    void Check(TStream& Stream, const std::string& TypeName, double X1, double Y1, double X2, double Y2);
    void Text(const std::string& Text);

    std::size_t Calls_ = 0;
    std::size_t Pages_ = 0;
    int DocBegins_ = 0;
    int DocEnds_ = 0;
    bool InPage_ = false;
    std::uint64_t Checksum_ = 0; // keeps the recorded texts alive
};
