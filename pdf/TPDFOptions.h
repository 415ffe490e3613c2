// The published settings that decide how a PDF document is written; the renderer carries them and
// the document it builds reads them.
#pragma once

#include "pdf/TPDFDocInfo.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

class TStream;

namespace pdf {

enum TPDFFontEncoding : uint8_t {
    feMacRomanEncoding,
    feMacExpertEncoding,
    feWinAnsiEncoding,
    fePDFDocEncoding,
    feStandardEncoding
};
std::string_view FontEncodingName(TPDFFontEncoding encoding);

// Encodes InStream (positioned at 0) into OutStream; may rename the filter (no leading "/").
using TCompressEvent =
    std::function<void(TStream& InStream, TStream& OutStream, std::string& CompressMethod)>;

struct TPDFOptions {
    bool UseCompression = false;
    bool EmbedFonts = false;
    TCompressEvent OnCompress;
    int ImageQuality = 90; // 1..100
    TPDFFontEncoding FontEncoding = feWinAnsiEncoding;
    TPDFDocInfo DocInfo;
    // The moment written as "/CreationDate"; the system clock unless a test sets its own.
    std::function<std::time_t()> Clock;
};

} // namespace pdf
