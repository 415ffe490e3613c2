#include "platform/JpegEncoder.h"
namespace platform {
JpegEncoder::JpegEncoder(int) { throw std::logic_error("not implemented yet"); }
void JpegEncoder::SetQuality(int) { throw std::logic_error("not implemented yet"); }
std::vector<std::uint8_t> JpegEncoder::Encode(const RgbBitmap&) const { throw std::logic_error("not implemented yet"); }
}
