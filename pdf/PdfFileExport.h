// Turning a page stream into a PDF file in one call, for velmora-cli and the print path.
#pragma once

#include <string>

class TStream;

namespace pdf {

class TRenderPDF;

// Plays every page of Input through Render and writes the PDF to FileName whole or not at all:
// a stream that fails to play, or a file that cannot be written, leaves no file behind (an
// existing file stays as it was). Throws EReportError saying what went wrong.
void ExportPdf(TRenderPDF& Render, TStream& Input, const std::string& FileName);

// When SOURCE_DATE_EPOCH holds a number of seconds, Render writes that moment as its creation
// date, so repeated runs give identical files.
void UseSourceDateEpoch(TRenderPDF& Render);

} // namespace pdf
