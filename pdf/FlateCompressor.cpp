#include "pdf/FlateCompressor.h"

#include "report/ReportError.h"
#include "report/ReportStream.h"

#include <vector>

#include <zlib.h>

namespace pdf {

void FlateCompress(TStream& InStream, TStream& OutStream, std::string& CompressMethod) {
    std::vector<uint8_t> input(static_cast<size_t>(InStream.Size() - InStream.Position()));
    if (!input.empty() && InStream.Read(input.data(), input.size()) != input.size())
        throw EReportError("Cannot read the stream to compress.");
    uLongf size = compressBound(static_cast<uLong>(input.size()));
    std::vector<uint8_t> output(size);
    if (compress2(output.data(), &size, input.data(), static_cast<uLong>(input.size()), Z_BEST_COMPRESSION) !=
        Z_OK)
        throw EReportError("Compressing a PDF stream failed.");
    OutStream.Write(output.data(), size);
    CompressMethod = "FlateDecode";
}

} // namespace pdf
