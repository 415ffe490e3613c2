#include "pdf/PdfFileExport.h"

#include "pdf/TRenderPDF.h"
#include "platform/NumberFormat.h"
#include "platform/SafeFile.h"
#include "report/ReportError.h"

#include <cstdlib>

namespace pdf {

void ExportPdf(TRenderPDF& Render, TStream& Input, const std::string& FileName) {
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
    const platform::FileResult saved =
        platform::SafeFile::WriteAll(FileName, std::span<const uint8_t>(output.Bytes()));
    if (!saved) throw EReportError("Cannot create file \"" + FileName + "\": " + saved.Error);
}

void UseSourceDateEpoch(TRenderPDF& Render) {
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (!text) return;
    if (const auto seconds = platform::NumberFormat::ParseInt64(text))
        Render.Clock = [moment = static_cast<std::time_t>(*seconds)] { return moment; };
}

} // namespace pdf
