// A picture on its way into a PDF file: it holds either pixels, which it encodes as a baseline
// three-component 8-bit JPEG at its quality, or JPEG data that is already encoded.
#pragma once

#include "platform/RgbBitmap.h"

#include <string>

namespace pdf {

class TPdfJpegImage {
  public:
    int Quality = 100; // 1..100

    // Takes pixels; drops encoded data taken before.
    void Assign(const platform::RgbBitmap& bitmap);
    // Encodes the pixels now, at the current quality, and keeps only the encoded data.
    void Compress();
    // The JPEG data: the encoded data kept, else the pixels encoded at the current quality.
    // Throws EReportError when the picture cannot be encoded.
    std::string SaveToBytes() const;

    int Width() const { return Width_; }
    int Height() const { return Height_; }

  private:
    int Width_ = 0;
    int Height_ = 0;
    platform::RgbBitmap Pixels_;
    std::string Encoded_;
};

} // namespace pdf
