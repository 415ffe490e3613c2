// Asks fontconfig which face stands for a family name and style, and how closely it matches
// (see FontService for the rules). Used by FontService; not thread-safe.
#pragma once

#include "platform/FontTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

class FontMatcher {
  public:
    FontMatcher(); // throws FontError when fontconfig cannot be initialised

    // The best face for Family in Style. Throws FontError when fontconfig finds no face at all.
    FontMatch Match(std::string_view family, FontStyle style);

    // Family names compare without regard to ASCII case and blanks, as fontconfig compares them.
    static bool SameFamily(std::string_view a, std::string_view b);

  private:
    // The families fontconfig would try for a name that names no font: the general fallbacks.
    std::vector<std::string> Fallbacks;

    static std::vector<std::string> Candidates(std::string_view family, FontStyle style);
    bool IsConfiguredReplacement(const std::vector<std::string>& candidates, std::string_view family) const;
};

} // namespace platform
