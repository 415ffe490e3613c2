#include "pdf/TPDFFontDescriptor.h"

#include "pdf/TPDFDocument.h"

namespace pdf {

void TPDFFontDescriptor::WriteObject() {
    auto line = [this](const char* key, int value) {
        Owner.PutLine(std::string(key) + std::to_string(value));
    };
    BeginObject();
    Owner.PutLine("<<");
    Owner.PutLine("/Type /FontDescriptor");
    Owner.PutLine("/FontName /" + FontName);
    line("/Flags ", Flags);
    Owner.PutLine("/FontBBox [" + std::to_string(FontBBoxLeft) + " " + std::to_string(FontBBoxBottom) + " " +
                  std::to_string(FontBBoxRight) + " " + std::to_string(FontBBoxTop) + "]");
    line("/MissingWidth ", MissingWidth);
    line("/StemV ", StemV);
    line("/StemH ", StemH);
    line("/ItalicAngle ", ItalicAngle);
    line("/CapHeight ", CapHeight);
    line("/XHeight ", XHeight);
    line("/Ascent ", Ascent);
    line("/Descent ", Descent);
    line("/Leading ", Leading);
    line("/MaxWidth ", MaxWidth);
    line("/AvgWidth ", AvgWidth);
    if (Owner.Options.EmbedFonts && Embed)
        Owner.PutLine("/FontFile2 " + std::to_string(ObjectNumber + 1) + " 0 R");
    Owner.PutLine(">>");
    EndObject();
}

} // namespace pdf
