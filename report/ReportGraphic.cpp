#include "report/ReportError.h"
#include "report/ReportTypes.h"

TReportGraphic TReportGraphic::FromBitmap(const platform::RgbBitmap& Bitmap) {
    TReportGraphic Graphic;
    Graphic.Type = gtBitmap;
    try {
        Graphic.Data = Bitmap.EncodeBmp();
    } catch (const platform::BitmapError& Error) {
        throw EReportError(std::string("Cannot store the bitmap: ") + Error.what());
    }
    return Graphic;
}

platform::RgbBitmap TReportGraphic::ToBitmap() const {
    if (Type != gtBitmap) throw EReportError("Graphic is not a bitmap.");
    try {
        return platform::RgbBitmap::DecodeBmp(Data);
    } catch (const platform::BitmapError& Error) {
        throw EReportError(std::string("Damaged bitmap in report file: ") + Error.what());
    }
}
