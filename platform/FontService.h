// Fonts by name, on fontconfig and FreeType: which installed face a name means, whether it is
// really installed as TrueType, and measurement of 8-bit text on any device resolution.
//
// Names are matched like this:
// - Case and blanks do not matter, and a PDF base-font style suffix is understood:
//   "ArialNarrow,Bold" means family "Arial Narrow" with bold added to the requested style
//   (",Bold", ",Italic", ",BoldItalic").
// - fontconfig picks the face. The result is Exact when one of the face's family names equals
//   the request, MetricAlias when fontconfig's configuration puts the face's family among the
//   request's own replacements ahead of the general fallbacks (Liberation Sans for "Arial",
//   Liberation Sans Narrow for "Arial Narrow", Liberation Mono for "Courier New", Liberation Serif
//   for "Times New Roman"), and Substitute otherwise. Exact and MetricAlias count as installed.
//
// Faces are opened once and kept (FontFace per file and face index); measuring is a table lookup
// per character. One instance is not thread-safe: the program measures on its one UI thread.
#pragma once

#include "platform/FontFace.h"
#include "platform/FontTypes.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class FontService {
  public:
    FontService(); // throws FontError when FreeType or fontconfig cannot start
    ~FontService();
    FontService(const FontService&) = delete;
    FontService& operator=(const FontService&) = delete;

    // The process-wide instance, created on first use.
    static FontService& Default();

    // The face used for Name in Style. The reference stays valid for the service's lifetime.
    // Throws FontError when no font can be found or opened at all.
    const FontFace& Face(std::string_view name, FontStyle style = {});
    const FontMatch& Resolve(std::string_view name, FontStyle style = {}) {
        return Face(name, style).Match();
    }

    // True when Name is installed (Exact or MetricAlias) and its face is TrueType (see FontMatch).
    // False, never throwing, when no font can be found.
    bool IsTrueTypeFace(std::string_view name, FontStyle style = {});

    // Splits a PDF base-font name: "ArialNarrow,BoldItalic" -> family "ArialNarrow", style bold
    // and italic added to Style. Names without a suffix are returned unchanged.
    static std::string SplitStyleSuffix(std::string_view name, FontStyle& style);

  private:
    struct Impl;
    std::unique_ptr<Impl> Data;
};

} // namespace platform
