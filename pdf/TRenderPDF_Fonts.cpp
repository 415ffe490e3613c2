// Font selection: standard Type1 fonts for the common families, TrueType fonts with metrics from
// the font service for the rest.
#include "pdf/TPDFFontTrueType.h"
#include "pdf/TRenderPDF.h"

#include <cmath>
#include <strings.h>

namespace pdf {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string ObliqueSuffix(bool bold, bool italic) {
    if (bold && italic) return "-BoldOblique";
    if (bold) return "-Bold";
    if (italic) return "-Oblique";
    return "";
}

// The standard fonts in the order they are tested.
constexpr std::string_view StandardFontNames[] = {
    "Courier-BoldOblique",
    "Courier-Bold",
    "Courier-Oblique",
    "Courier",
    "Times-BoldItalic",
    "Times-Bold",
    "Times-Italic",
    "Times-Roman",
    "Helvetica-BoldOblique",
    "Helvetica-Bold",
    "Helvetica-Oblique",
    "Helvetica",
    "Symbol",
    "ZapfDingbats",
};

} // namespace

std::string TRenderPDF::MapFontName(const std::string& Face, bool Bold, bool Italic) {
    if (SameName(Face, "Courier") || SameName(Face, "Courier New"))
        return "Courier" + ObliqueSuffix(Bold, Italic);
    if (SameName(Face, "Times New Roman") || SameName(Face, "TimesRoman")) {
        if (Bold && Italic) return "Times-BoldItalic";
        if (Bold) return "Times-Bold";
        if (Italic) return "Times-Italic";
        return "Times-Roman";
    }
    if (SameName(Face, "Symbol")) return "Symbol";
    if (SameName(Face, "ZapfDingbats")) return "ZapfDingbats";
    if (SameName(Face, "Arial")) return "Helvetica" + ObliqueSuffix(Bold, Italic);
    if (IsTrueTypeFace(Face, Bold, Italic)) return TrueTypeFontName(Face, Bold, Italic);
    return "Helvetica" + ObliqueSuffix(Bold, Italic);
}

std::string TRenderPDF::TrueTypeFontName(const std::string& Face, bool Bold, bool Italic) {
    std::string name;
    for (char c : Face) {
        if (c != ' ') name += c;
    }
    if (Bold && Italic) return name + ",BoldItalic";
    if (Bold) return name + ",Bold";
    if (Italic) return name + ",Italic";
    return name;
}

bool TRenderPDF::IsTrueTypeFace(const std::string& Name, bool Bold, bool Italic) {
    return FontSource && FontSource->IsTrueTypeFace(Name, Bold, Italic);
}

TPDFFont* TRenderPDF::FindFont(const std::string& Name, bool Bold, bool Italic) {
    auto lookup = [this](const std::string& key) -> TPDFFont* {
        for (auto& font : Document->FontList) {
            if (SameName(font->BaseFont, key)) return font.get();
        }
        return nullptr;
    };
    if (TPDFFont* found = lookup(Name)) return found;
    CreateFont(Name, Bold, Italic);
    if (TPDFFont* created = lookup(Name)) return created;
    return lookup(MapFontName("Helvetica", Bold, Italic));
}

TPDFFont* TRenderPDF::CreateFont(const std::string& Name, bool Bold, bool Italic) {
    for (std::string_view standard : StandardFontNames) {
        if (!SameName(Name, standard)) continue;
        if (standard == "Symbol" && IsTrueTypeFace("Symbol", Bold, Italic)) break;
        auto font = std::make_unique<TPDFFont>(*Document);
        font->BaseFont = Name;
        if (const TFontWidths* widths = FindStandardFontWidths(standard)) font->Widths = *widths;
        Document->FontList.push_back(std::move(font));
        CurrentFont = Document->FontList.back().get();
        return CurrentFont;
    }
    if (IsTrueTypeFace(Name, Bold, Italic)) {
        auto font = std::make_unique<TPDFFontTrueType>(*Document);
        font->BaseFont = Name;
        LoadTrueTypeMetrics(*font, Bold, Italic);
        Document->FontList.push_back(std::move(font));
        CurrentFont = Document->FontList.back().get();
        return CurrentFont;
    }
    const std::string fallback = MapFontName("Helvetica", Bold, Italic);
    for (auto& font : Document->FontList) {
        if (SameName(font->BaseFont, fallback)) return font.get();
    }
    return CreateFont(fallback, Bold, Italic);
}

void TRenderPDF::LoadTrueTypeMetrics(TPDFFontTrueType& Font, bool Bold, bool Italic) {
    const std::optional<TTrueTypeMetrics> metrics = FontSource->OutlineMetrics(Font.BaseFont, Bold, Italic);
    TPDFFontDescriptor& descriptor = *Font.Descriptor;
    descriptor.FontName = Font.BaseFont;
    if (!metrics) {
        // Without outline metrics the font measures zero width and is not embedded.
        return;
    }
    Font.FirstChar = metrics->FirstChar;
    Font.LastChar = metrics->LastChar;
    for (int code = std::max(0, Font.FirstChar); code <= std::min(255, Font.LastChar); ++code)
        Font.Widths[static_cast<size_t>(code)] =
            static_cast<int16_t>(metrics->Widths[static_cast<size_t>(code)]);

    descriptor.MissingWidth = Font.Widths[32];
    descriptor.Flags = 32;
    if (metrics->PanoseProportion == 9) descriptor.Flags += 1;
    if (metrics->PanoseFamily == 3) descriptor.Flags += 8;
    if (metrics->ItalicAngle != 0) descriptor.Flags += 64;
    descriptor.FontBBoxLeft = metrics->BBoxLeft;
    descriptor.FontBBoxTop = metrics->BBoxTop;
    descriptor.FontBBoxRight = metrics->BBoxRight;
    descriptor.FontBBoxBottom = metrics->BBoxBottom;
    descriptor.StemV = 80;
    descriptor.StemH = 80;
    descriptor.ItalicAngle = metrics->ItalicAngle;
    descriptor.CapHeight = metrics->Ascent;
    descriptor.XHeight = static_cast<int>(std::nearbyint(metrics->Ascent / 2.0));
    descriptor.Ascent = metrics->Ascent;
    descriptor.Descent = -metrics->Descent;
    descriptor.Leading = metrics->InternalLeading + metrics->ExternalLeading;
    descriptor.MaxWidth = metrics->MaxWidth;
    descriptor.AvgWidth = metrics->AvgWidth;

    Font.Embeddable = (metrics->LicenceFlags & 1) == 0;
    descriptor.Embed = Font.Embeddable;
    if (EmbedFonts && Font.Embeddable) {
        Font.FontFile = std::make_unique<TPDFFontFile>(*Document);
        Font.FontFile->FontData = FontSource->FontProgram(Font.BaseFont, Bold, Italic);
    }
}

double TRenderPDF::TextWidth(const TPDFFont& Font, std::string_view Text, int Size) {
    long total = 0;
    for (unsigned char c : Text)
        total += Font.Widths[c];
    return total / 1000.0 * Size / 72;
}

void TRenderPDF::FontChanged(const TReportFont& Font) {
    const std::string name = MapFontName(Font.Name, Font.Bold, Font.Italic);
    CurrentFont = Document ? FindFont(name, Font.Bold, Font.Italic) : nullptr;
    Underline = Font.Underline;
    StrikeOut = Font.StrikeOut;
    FontSize = static_cast<int>(std::lround(Font.Size));
    if (CurrentPage) CurrentPage->TextColor = Font.Color;
    FontAngle = Font.Rotation;
}

} // namespace pdf
