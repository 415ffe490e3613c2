// A compression handler on zlib for TRenderPDF::OnCompress: deflates the stream in zlib format,
// which PDF readers decode as /FlateDecode.
#pragma once

class TStream;
#include <string>

namespace pdf {

void FlateCompress(TStream& InStream, TStream& OutStream, std::string& CompressMethod);

} // namespace pdf
