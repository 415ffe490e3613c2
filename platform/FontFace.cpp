#include "platform/FontFace.h"
namespace platform {
FontFace::FontFace(void*, FontMatch) { throw FontError("not implemented yet"); }
FontFace::~FontFace() = default;
double FontFace::EmPixelsForCellHeight(double) const { throw FontError("not implemented yet"); }
double FontFace::TextWidth(std::string_view, double) const { throw FontError("not implemented yet"); }
int FontFace::DeviceTextWidth(std::string_view, double) const { throw FontError("not implemented yet"); }
TextMetrics FontFace::Metrics(double) const { throw FontError("not implemented yet"); }
std::array<int, 256> FontFace::Widths1000() const { throw FontError("not implemented yet"); }
std::vector<std::uint8_t> FontFace::FontProgram() const { throw FontError("not implemented yet"); }
}
