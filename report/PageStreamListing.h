// A page stream as text: the header fields one a line, then every command in playback order with
// its stream position and operands. The dump command prints it; tests compare it whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>

// Writes the listing of the stream's bytes to Out as it reads them; a damaged stream fails with
// the reader's EReportError after the lines read before the damage.
void ListPageStream(std::ostream& Out, const uint8_t* Data, size_t Size);
