#include "platform/FontService.h"
namespace platform {
struct FontService::Impl {};
FontService::FontService() { throw FontError("not implemented yet"); }
FontService::~FontService() = default;
FontService& FontService::Default() { static FontService s; return s; }
const FontFace& FontService::Face(std::string_view, FontStyle) { throw FontError("not implemented yet"); }
bool FontService::IsTrueTypeFace(std::string_view, FontStyle) { throw FontError("not implemented yet"); }
std::string FontService::SplitStyleSuffix(std::string_view, FontStyle&) { throw FontError("not implemented yet"); }
}
