#include "platform/RgbBitmap.h"
namespace platform {
std::vector<std::uint8_t> RgbBitmap::EncodeBmp() const { throw std::logic_error("not implemented yet"); }
RgbBitmap RgbBitmap::DecodeBmp(std::span<const std::uint8_t>) { throw std::logic_error("not implemented yet"); }
}
