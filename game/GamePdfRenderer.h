// How the game configures its PDF renderer; the print path and velmora-cli share it so both
// write the same file.
#pragma once

namespace pdf {

class TRenderPDF;

// Compression asked for but no compressor assigned (streams stay uncompressed), fonts not
// embedded, JPEG quality 90, metafiles at 300 dpi, WinAnsiEncoding, the game's author and
// subject, and the platform's fonts as the TrueType font source.
void ConfigureGamePdfRenderer(TRenderPDF& render);

} // namespace pdf
