#include "platform/RgbBitmap.h"
#include <stdexcept>
namespace platform {
RgbBitmap::RgbBitmap(int, int, Rgb) { throw std::logic_error("not implemented yet"); }
Rgb RgbBitmap::Pixel(int, int) const { throw std::logic_error("not implemented yet"); }
void RgbBitmap::SetPixel(int, int, Rgb) { throw std::logic_error("not implemented yet"); }
void RgbBitmap::Fill(Rgb) { throw std::logic_error("not implemented yet"); }
}
