#include "platform/FontService.h"

#include "platform/FontMatcher.h"

#include <ft2build.h>
#include FT_FREETYPE_H

// fontconfig 2.14 loses a few bytes while parsing its configuration files, once per process;
// keep LeakSanitizer quiet about that in sanitizer builds of any program using fonts.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif

namespace platform {

struct FontService::Impl {
    FT_Library Library = nullptr;
    FontMatcher Matcher;
    // Opened FreeType faces by file and face index; shared by every name resolving to them.
    std::map<std::pair<std::string, int>, FT_Face> OpenFaces;
    // Resolved requests by normalised name and style.
    std::map<std::string, std::unique_ptr<FontFace>> Faces;

    Impl() {
        if (FT_Init_FreeType(&Library) != 0) throw FontError("FreeType cannot be initialised");
    }
    ~Impl() {
        Faces.clear();
        for (auto& entry : OpenFaces)
            FT_Done_Face(entry.second);
        FT_Done_FreeType(Library);
    }

    FT_Face Open(const std::string& file, int index) {
        const auto key = std::make_pair(file, index);
        if (const auto found = OpenFaces.find(key); found != OpenFaces.end()) return found->second;
        FT_Face face = nullptr;
        if (FT_New_Face(Library, file.c_str(), index, &face) != 0)
            throw FontError("cannot open the font file " + file);
        OpenFaces.emplace(key, face);
        return face;
    }
};

namespace {

// Lower-case, blanks removed, style appended: the cache key of a request.
std::string RequestKey(std::string_view family, FontStyle style) {
    std::string key;
    for (const char c : family)
        if (c != ' ') key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    key += style.Bold ? "|b" : "|-";
    key += style.Italic ? "i" : "-";
    return key;
}

bool SuffixIs(std::string_view suffix, std::string_view word) {
    if (suffix.size() != word.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const char c = suffix[i];
        if (((c >= 'A' && c <= 'Z') ? c + 32 : c) != word[i]) return false;
    }
    return true;
}

} // namespace

FontService::FontService() : Data(std::make_unique<Impl>()) {}

FontService::~FontService() = default;

FontService& FontService::Default() {
    static FontService service;
    return service;
}

std::string FontService::SplitStyleSuffix(std::string_view name, FontStyle& style) {
    const std::size_t comma = name.rfind(',');
    if (comma == std::string_view::npos) return std::string(name);
    const std::string_view suffix = name.substr(comma + 1);
    if (SuffixIs(suffix, "bolditalic")) {
        style.Bold = style.Italic = true;
    } else if (SuffixIs(suffix, "bold")) {
        style.Bold = true;
    } else if (SuffixIs(suffix, "italic")) {
        style.Italic = true;
    } else {
        return std::string(name);
    }
    return std::string(name.substr(0, comma));
}

const FontFace& FontService::Face(std::string_view name, FontStyle style) {
    const std::string family = SplitStyleSuffix(name, style);
    const std::string key = RequestKey(family, style);
    if (const auto found = Data->Faces.find(key); found != Data->Faces.end()) return *found->second;
    FontMatch match = Data->Matcher.Match(family, style);
    match.RequestedName = std::string(name);
    FT_Face face = Data->Open(match.File, match.FaceIndex);
    auto created = std::make_unique<FontFace>(face, std::move(match));
    return *Data->Faces.emplace(key, std::move(created)).first->second;
}

bool FontService::IsTrueTypeFace(std::string_view name, FontStyle style) {
    try {
        const FontMatch& match = Face(name, style).Match();
        return match.IsInstalled() && match.IsTrueType;
    } catch (const FontError&) {
        return false;
    }
}

} // namespace platform
