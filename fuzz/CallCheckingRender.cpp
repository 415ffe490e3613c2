#include "fuzz/CallCheckingRender.h"

#include "fuzz/FuzzTarget.h"
#include "report/ReportStream.h"

#include <cmath>

void TCallCheckingRender::CheckFinished() const {
    // A header that cannot be read begins no document; a begun document always ends.
    FuzzCheck(DocBegins_ <= 1, "DocBegin called at most once");
    FuzzCheck(DocEnds_ == DocBegins_, "DocEnd called once for DocBegin, also after a failure");
}

void TCallCheckingRender::DocBegin() {
    FuzzCheck(DocBegins_ == 0 && Calls_ == 0, "DocBegin comes first and once");
    ++DocBegins_;
    ++Calls_;
}

void TCallCheckingRender::DocEnd() {
    FuzzCheck(DocBegins_ == 1 && DocEnds_ == 0, "DocEnd follows DocBegin once");
    ++DocEnds_;
    ++Calls_;
}

void TCallCheckingRender::PageBegin() {
    FuzzCheck(DocBegins_ == 1 && DocEnds_ == 0, "pages lie inside the document");
    FuzzCheck(!InPage_, "PageBegin while a page is open");
    FuzzCheck(std::isfinite(PageWidth()) && std::isfinite(PageHeight()), "page size is finite");
    InPage_ = true;
    ++Pages_;
    ++Calls_;
}

void TCallCheckingRender::PageEnd() {
    FuzzCheck(InPage_, "PageEnd without PageBegin");
    InPage_ = false;
    ++Calls_;
}

void TCallCheckingRender::Drawing() {
    FuzzCheck(InPage_, "drawing outside a page");
    ++Calls_;
}

void TCallCheckingRender::Text(const std::string& Text) {
    for (unsigned char c : Text)
        Checksum_ = Checksum_ * 31 + c;
}

// Every drawing operation lies inside a page; some also check their arguments.
#define VELMORA_CHECKED_OPERATION(Name, Params, Args)                                                        \
    void TCallCheckingRender::Name Params {                                                                  \
        Drawing();                                                                                           \
        Check Args;                                                                                          \
    }
VELMORA_RENDER_OPERATIONS(VELMORA_CHECKED_OPERATION)
#undef VELMORA_CHECKED_OPERATION

void TCallCheckingRender::Check(const std::string& T, double, double) {
    Text(T);
}
void TCallCheckingRender::Check(const std::string& T, double, double, double) {
    Text(T);
}
void TCallCheckingRender::Check(const TRect&, const std::string& T, double, double) {
    Text(T);
}

void TCallCheckingRender::Check(const std::vector<TPoint>& Points, int HighIndex) {
    FuzzCheck(HighIndex + 1 == static_cast<int>(Points.size()), "polygon HighIndex matches its points");
}

void TCallCheckingRender::Check(TStream& Stream, const std::string&, double, double, double, double) {
    FuzzCheck(Stream.Position() == 0, "image data handed over at position 0");
    // Reading the whole image must stay inside what the stream claims to hold.
    std::uint8_t buffer[256];
    std::uint64_t total = 0;
    while (const std::size_t n = Stream.Read(buffer, sizeof buffer))
        total += n;
    FuzzCheck(total == Stream.Size(), "image data size matches its bytes");
}
