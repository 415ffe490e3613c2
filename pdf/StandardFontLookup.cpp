#include "pdf/StandardFontWidths.h"

#include <strings.h>

namespace pdf {

const TFontWidths* FindStandardFontWidths(std::string_view baseFont) {
    for (const auto& table : StandardFontWidthTables) {
        if (table.BaseFont.size() == baseFont.size() &&
            strncasecmp(table.BaseFont.data(), baseFont.data(), baseFont.size()) == 0)
            return &table.Widths;
    }
    return nullptr;
}

} // namespace pdf
