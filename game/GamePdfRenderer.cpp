#include "game/GamePdfRenderer.h"

#include "pdf/TPlatformFontSource.h"
#include "pdf/TRenderPDF.h"

namespace pdf {

void ConfigureGamePdfRenderer(TRenderPDF& render) {
    render.UseCompression = true;
    render.OnCompress = nullptr;
    render.EmbedFonts = false;
    render.ImageQuality = 90;
    render.MetafileDPI = 300;
    render.FontEncoding = feWinAnsiEncoding;
    render.DocInfo.Author = "Velmora UK Limited";
    render.DocInfo.Subject = "Velmora Sudoku Puzzle";
    render.SetFontSource(std::make_shared<TPlatformFontSource>());
}

} // namespace pdf
