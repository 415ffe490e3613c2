// The page-stream reader on arbitrary bytes: every page, then a single page found through the page
// links. A malformed stream must end in EReportError with DocEnd still called; any other exception,
// crash, hang or broken call order is a fault.
#include "fuzz/CallCheckingRender.h"
#include "fuzz/FuzzMeasurer.h"
#include "fuzz/FuzzTarget.h"
#include "report/PageConverter.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

namespace {

void Play(const std::uint8_t* data, std::size_t size, int pageNo) {
    static TFuzzMeasurer measurer;
    TByteViewStream stream(data, size);
    TCallCheckingRender render;
    render.ExtraTexts() = {"first extra", "second extra"};
    try {
        TPageConverter converter(stream, render, measurer);
        converter.SetNow(0);
        converter.Generate(pageNo);
    } catch (const EReportError& error) {
        FuzzCheck(error.what()[0] != '\0', "a playback failure carries a message");
    }
    render.CheckFinished();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Play(data, size, 0);
    Play(data, size, 2);
    return 0;
}
