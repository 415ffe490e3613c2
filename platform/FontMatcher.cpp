#include "platform/FontMatcher.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace platform {

namespace {

// A family name no installed font carries; its candidate list is the general fallback list.
constexpr const char* UnknownFamily = "Velmora Unknown Family 7Q";

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

Pattern RequestPattern(std::string_view family, FontStyle style) {
    Pattern pattern(FcPatternCreate());
    if (!pattern) throw FontError("fontconfig cannot create a pattern");
    const std::string name(family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, style.Bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, style.Italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

std::vector<std::string> Families(const FcPattern* pattern) {
    std::vector<std::string> names;
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &value) == FcResultMatch; ++i)
        names.emplace_back(reinterpret_cast<const char*>(value));
    return names;
}

std::string StringOf(const FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(value);
}

int IntegerOf(const FcPattern* pattern, const char* object, int fallback) {
    int value = 0;
    return FcPatternGetInteger(pattern, object, 0, &value) == FcResultMatch ? value : fallback;
}

} // namespace

FontMatcher::FontMatcher() {
    if (!FcInit()) throw FontError("fontconfig cannot be initialised");
    Fallbacks = Candidates(UnknownFamily, {});
    if (!Fallbacks.empty()) Fallbacks.erase(Fallbacks.begin());
}

bool FontMatcher::SameFamily(std::string_view a, std::string_view b) {
    const auto next = [](std::string_view text, std::size_t& i) -> int {
        while (i < text.size() && text[i] == ' ')
            ++i;
        if (i == text.size()) return -1;
        const char c = text[i++];
        return (c >= 'A' && c <= 'Z') ? c + 32 : static_cast<unsigned char>(c);
    };
    std::size_t i = 0, j = 0;
    for (;;) {
        const int x = next(a, i);
        const int y = next(b, j);
        if (x != y) return false;
        if (x < 0) return true;
    }
}

std::vector<std::string> FontMatcher::Candidates(std::string_view family, FontStyle style) {
    return Families(RequestPattern(family, style).get());
}

// A replacement family is one the configuration adds for this name ahead of the general
// fallbacks: everything before the tail that the list shares with the fallback list.
bool FontMatcher::IsConfiguredReplacement(const std::vector<std::string>& candidates,
                                          std::string_view family) const {
    std::size_t shared = 0;
    while (shared < candidates.size() && shared < Fallbacks.size() &&
           SameFamily(candidates[candidates.size() - 1 - shared], Fallbacks[Fallbacks.size() - 1 - shared]))
        ++shared;
    const std::size_t ownEnd = candidates.size() - shared;
    for (std::size_t i = 1; i < ownEnd; ++i)
        if (SameFamily(candidates[i], family)) return true;
    return false;
}

FontMatch FontMatcher::Match(std::string_view family, FontStyle style) {
    Pattern request = RequestPattern(family, style);
    const std::vector<std::string> candidates = Families(request.get());
    FcResult result = FcResultNoMatch;
    Pattern found(FcFontMatch(nullptr, request.get(), &result));
    if (!found) throw FontError("no font found for \"" + std::string(family) + "\"");

    FontMatch match;
    match.RequestedName = std::string(family);
    match.File = StringOf(found.get(), FC_FILE);
    if (match.File.empty()) throw FontError("no font file found for \"" + std::string(family) + "\"");
    match.FaceIndex = IntegerOf(found.get(), FC_INDEX, 0);
    match.StyleName = StringOf(found.get(), FC_STYLE);
    match.Bold = IntegerOf(found.get(), FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
    match.Italic = IntegerOf(found.get(), FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;

    const std::vector<std::string> names = Families(found.get());
    match.Family = names.empty() ? std::string() : names.front();
    match.Kind = FontMatchKind::Substitute;
    for (const std::string& name : names) {
        if (SameFamily(name, family)) {
            match.Kind = FontMatchKind::Exact;
            match.Family = name;
            break;
        }
        if (match.Kind == FontMatchKind::Substitute && IsConfiguredReplacement(candidates, name))
            match.Kind = FontMatchKind::MetricAlias;
    }
    return match;
}

} // namespace platform
