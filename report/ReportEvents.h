// The layout hooks of a report. The report system holds them and hands all of them to the writer
// of each print run at once.
#pragma once

#include <functional>
#include <string>

#include "platform/RgbBitmap.h"

class TBaseReport;
class TStream;

using TReportEvent = std::function<void(TBaseReport& Sender)>;
// Receives the page number; returns whether more pages follow.
using TPrintPageEvent = std::function<bool(TBaseReport& Sender, int PageNum)>;
// Decodes ImageStream, encoded image data of the type named ImageType, into Bitmap.
using TDecodeImageEvent =
    std::function<void(TStream& ImageStream, const std::string& ImageType, platform::RgbBitmap& Bitmap)>;

struct TReportEvents {
    TReportEvent OnPrint, OnBeforePrint, OnAfterPrint, OnNewPage, OnNewColumn, OnPrintHeader, OnPrintFooter,
        OnEndOfSection;
    TPrintPageEvent OnPrintPage;
    TDecodeImageEvent OnDecodeImage;
};
