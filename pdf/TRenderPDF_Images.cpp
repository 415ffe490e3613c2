// Images: every picture becomes a JPEG image object, placed on the page by a "cm" matrix.
#include "pdf/PdfFormat.h"
#include "pdf/TRenderPDF.h"

#include "report/ReportError.h"

#include <algorithm>
#include <cmath>

namespace pdf {

namespace {

// The pixels of a page-stream graphic. Only bitmaps carry pixels we can read; other kinds
// (metafiles, icons) give an empty picture and are left out.
platform::RgbBitmap DecodeGraphic(const TReportGraphic& graphic) {
    if (graphic.Type != gtBitmap || graphic.Data.empty()) return {};
    try {
        return platform::RgbBitmap::DecodeBmp(graphic.Data);
    } catch (const platform::BitmapError& error) {
        throw EReportError(std::string("Cannot read a bitmap in the report: ") + error.what());
    }
}

// Source stretched over a picture of the given size (nearest pixel).
platform::RgbBitmap Stretch(const platform::RgbBitmap& source, int width, int height) {
    platform::RgbBitmap target(width, height);
    if (source.Empty()) return target;
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<int64_t>(y) * source.Height() / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<int64_t>(x) * source.Width() / width);
            target.SetPixel(x, y, source.Pixel(sx, sy));
        }
    }
    return target;
}

// Pixel count of a side, halves rounded to even; refuses sizes no bitmap can have.
int PixelSide(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= 0 && rounded <= platform::RgbBitmap::MaxSide))
        throw EReportError("A picture in the report is too large to convert.");
    return static_cast<int>(rounded);
}

// What a picture's image is made from: the operation's kind and the graphic record.
std::string ImageKey(char kind, const TReportGraphic& graphic) {
    std::string key(1, kind);
    key += static_cast<char>(graphic.Type);
    key.append(graphic.Data.begin(), graphic.Data.end());
    return key;
}

} // namespace

void TRenderPDF::PageImage(const std::string& Name, double X1, double Y1, double X2, double Y2) {
    PutLine("q");
    PutLine(FormatCoordinate((X2 - X1) * 72) + " 0 0 " + FormatCoordinate((Y2 - Y1) * 72) + " " +
            FormatCoordinate(X1 * 72) + " " + FormatCoordinate((CurrentPage->PageHeight - Y2) * 72) + " cm");
    PutLine("/" + Name + " Do");
    PutLine("Q");
}

void TRenderPDF::PlaceBitmap(const platform::RgbBitmap& Bitmap, double X1, double Y1, double X2, double Y2) {
    PlaceBitmap(Bitmap, X1, Y1, X2, Y2, {});
}

void TRenderPDF::PlaceBitmap(const platform::RgbBitmap& Bitmap, double X1, double Y1, double X2, double Y2,
                             const std::string& Key) {
    if (!CurrentPage || Bitmap.Empty()) return;
    TPdfJpegImage image;
    image.Quality = 100;
    image.Assign(Bitmap);
    PageImage(Document->AddImage(image, Key), X1, Y1, X2, Y2);
}

const TPDFXObject* TRenderPDF::ReuseImage(const std::string& Key) const {
    return Document ? Document->FindImage(Key) : nullptr;
}

void TRenderPDF::RenderBitmapRect(const TReportGraphic& Bitmap, double X1, double Y1, double X2, double Y2) {
    const std::string key = ImageKey('R', Bitmap);
    if (const TPDFXObject* made = ReuseImage(key)) {
        if (CurrentPage) PageImage(made->ImageName, X1, Y1, X2, Y2);
        return;
    }
    PlaceBitmap(DecodeGraphic(Bitmap), X1, Y1, X2, Y2, key);
}

void TRenderPDF::RenderBitmap(const TReportGraphic& Bitmap, double X, double Y, double ScaleX,
                              double ScaleY) {
    const std::string key = ImageKey('R', Bitmap);
    if (const TPDFXObject* made = ReuseImage(key)) {
        if (CurrentPage)
            PageImage(made->ImageName, X, Y, X + made->JPEGImage.Width() / 72.0 * ScaleX,
                      Y + made->JPEGImage.Height() / 72.0 * ScaleY);
        return;
    }
    const platform::RgbBitmap pixels = DecodeGraphic(Bitmap);
    PlaceBitmap(pixels, X, Y, X + pixels.Width() / 72.0 * ScaleX, Y + pixels.Height() / 72.0 * ScaleY, key);
}

void TRenderPDF::RenderStretchDraw(const TRect& Rect, const TReportGraphic& Graphic) {
    if (!CurrentPage) return;
    const double left = Rect.Left / 72.0, top = Rect.Top / 72.0, right = Rect.Right / 72.0,
                 bottom = Rect.Bottom / 72.0;
    // In doubles: a damaged stream can hold rectangles whose sides overflow 32 bits.
    const double wide = (static_cast<double>(Rect.Right) - Rect.Left) / 72.0 * MetafileDPI;
    const double high = (static_cast<double>(Rect.Bottom) - Rect.Top) / 72.0 * MetafileDPI;
    const std::string key = ImageKey('S', Graphic) + FormatFixed4(wide) + "x" + FormatFixed4(high);
    if (const TPDFXObject* made = ReuseImage(key)) {
        PageImage(made->ImageName, left, top, right, bottom);
        return;
    }
    const platform::RgbBitmap source = DecodeGraphic(Graphic);
    if (source.Empty()) return;
    // The target rectangle at the metafile resolution, but never finer than the picture itself:
    // more pixels than the source has add nothing that the placement's scaling does not give.
    const int width = PixelSide(std::min(wide, static_cast<double>(source.Width())));
    const int height = PixelSide(std::min(high, static_cast<double>(source.Height())));
    if (width == 0 || height == 0) return;
    ResampledPixels_ += static_cast<int64_t>(width) * height;
    if (ResampledPixels_ > MaxResampledPixels)
        throw EReportError("The pictures of the report need more than " + std::to_string(MaxResampledPixels) +
                           " pixels.");
    TPdfJpegImage image;
    image.Quality = ImageQuality;
    image.Assign(Stretch(source, width, height));
    image.Compress();
    PageImage(Document->AddImage(image, key), left, top, right, bottom);
}

void TRenderPDF::RenderDraw(const TReportGraphic& Graphic, double X, double Y) {
    if (!CurrentPage) return;
    const std::string key = ImageKey('D', Graphic);
    if (const TPDFXObject* made = ReuseImage(key)) {
        PageImage(made->ImageName, X, Y, X + made->JPEGImage.Width() / 72.0,
                  Y + made->JPEGImage.Height() / 72.0);
        return;
    }
    const platform::RgbBitmap source = DecodeGraphic(Graphic);
    if (source.Empty()) return;
    TPdfJpegImage image;
    image.Quality = ImageQuality;
    image.Assign(source);
    PageImage(Document->AddImage(image, key), X, Y, X + source.Width() / 72.0, Y + source.Height() / 72.0);
}

void TRenderPDF::RenderImageData(TStream& Stream, const std::string& TypeName, double X1, double Y1,
                                 double X2, double Y2) {
    if (!OnDecodeImage) return;
    std::string key = "I" + TypeName + '\0';
    const size_t head = key.size();
    key.resize(head + Stream.Size());
    key.resize(head + Stream.Read(key.data() + head, key.size() - head));
    Stream.Seek(0);
    if (const TPDFXObject* made = ReuseImage(key)) {
        if (CurrentPage) PageImage(made->ImageName, X1, Y1, X2, Y2);
        return;
    }
    platform::RgbBitmap bitmap;
    OnDecodeImage(*this, Stream, TypeName, bitmap);
    PlaceBitmap(bitmap, X1, Y1, X2, Y2, key);
}

} // namespace pdf
