// JPEG encoding for PDF images: baseline, 8 bits per sample, three components (YCbCr from RGB),
// at a quality from 1 to 100, with libjpeg.
#pragma once

#include "platform/RgbBitmap.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace platform {

// Thrown when libjpeg reports an error; the message is libjpeg's own text. libjpeg is never
// allowed to end the process.
class JpegError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class JpegEncoder {
  public:
    // Quality outside 1..100 is clamped into it.
    explicit JpegEncoder(int quality = 75);

    int Quality() const { return Q; }
    void SetQuality(int quality);

    // The complete JPEG file (SOI ... EOI), JFIF, baseline DCT (SOF0), 4:2:0 sampling as libjpeg
    // chooses by default. An empty bitmap or one larger than 65500 pixels on a side (the JPEG
    // limit) throws JpegError. Safe to call repeatedly; each call is independent.
    std::vector<std::uint8_t> Encode(const RgbBitmap& bitmap) const;

  private:
    int Q = 75;
};

} // namespace platform
