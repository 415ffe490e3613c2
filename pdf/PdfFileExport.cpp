#include "pdf/PdfFileExport.h"

#include "pdf/TRenderPDF.h"
#include "platform/NumberFormat.h"
#include "report/ReportError.h"
#include "report/ReportStream.h"

#include <cstdlib>

namespace pdf {

void ExportPdf(TRenderPDF& Render, TStream& Input, const std::string& FileName) {
    // The document is built in memory and saved only when the whole stream played: a damaged
    // stream fails here and never reaches the file.
    TMemoryStream output;
    Render.SetOutputFileName(FileName);
    Render.SetOutputStream(&output);
    try {
        Render.RenderStream(&Input);
    } catch (...) {
        Render.SetOutputStream(nullptr);
        throw;
    }
    Render.SetOutputStream(nullptr);
    if (output.Size() == 0) throw EReportError("The report produced no PDF document.");
    SaveBytesToFile(FileName, output.Bytes());
}

void UseSourceDateEpoch(TRenderPDF& Render) {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text) return;
    if (const auto seconds = platform::NumberFormat::ParseInt64(text))
        Render.Clock = [moment = static_cast<std::time_t>(*seconds)] { return moment; };
}

} // namespace pdf
