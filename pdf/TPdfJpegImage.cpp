#include "pdf/TPdfJpegImage.h"

#include "platform/JpegEncoder.h"
#include "report/ReportError.h"

namespace pdf {

void TPdfJpegImage::Assign(const platform::RgbBitmap& bitmap) {
    Width_ = bitmap.Width();
    Height_ = bitmap.Height();
    Pixels_ = bitmap;
    Encoded_.clear();
}

void TPdfJpegImage::Compress() {
    Encoded_ = SaveToBytes();
    Pixels_ = platform::RgbBitmap();
}

std::string TPdfJpegImage::SaveToBytes() const {
    if (!Encoded_.empty()) return Encoded_;
    try {
        const std::vector<uint8_t> bytes = platform::JpegEncoder(Quality).Encode(Pixels_);
        return std::string(bytes.begin(), bytes.end());
    } catch (const platform::JpegError& error) {
        throw EReportError(std::string("Cannot encode a picture as JPEG: ") + error.what());
    }
}

} // namespace pdf
