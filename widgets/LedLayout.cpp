#include "widgets/LedLayout.h"

namespace {

constexpr std::uint8_t BlockChar = 127;

bool AlignsLeft(const TLedScene& s) {
    return s.Alignment == taLeftJustify || s.Scrolling;
}

void AddBackground(const TLedScene& s, long long textWidth, std::vector<TLedCell>& cells) {
    const int cw = s.Geometry.CellWidth;
    if (AlignsLeft(s)) {
        for (int x = 0; x < s.Width; x += cw)
            cells.push_back({x, ' '});
    } else if (s.Alignment == taCenter) {
        // C++ division and remainder truncate toward zero, as the layout wants.
        for (int x = static_cast<int>(((s.Width - textWidth) / 2) % cw) - cw; x < s.Width; x += cw)
            cells.push_back({x, ' '});
    } else {
        for (int x = s.Width - cw; x > -cw; x -= cw)
            cells.push_back({x, ' '});
    }
}

long long ScrollOffset(const TLedScene& s, long long textWidth) {
    if (!s.Scrolling) return 0;
    switch (s.ScrollType) {
    case stNone:
        return 0;
    case stRightToLeft:
        return (s.Width / s.Geometry.DotPitch) * s.Geometry.DotPitch - static_cast<long long>(s.ScrollPos);
    case stLeftToRight:
        return s.ScrollPos - textWidth;
    }
    return 0;
}

std::uint8_t Drawn(char ch) {
    const auto code = static_cast<std::uint8_t>(ch);
    return code < 32 ? BlockChar : code;
}

// Cells wholly outside the panel show nothing, so only those that touch it are listed; positions are
// worked out in 64 bits so that a very long caption cannot overflow them.
void AddText(const TLedScene& s, long long textWidth, std::vector<TLedCell>& cells) {
    const long long cw = s.Geometry.CellWidth;
    const long long n = static_cast<long long>(s.Text.size());
    auto add = [&](long long x, long long i) {
        if (x > -cw && x < s.Width)
            cells.push_back({static_cast<int>(x), Drawn(s.Text[static_cast<std::size_t>(i)])});
    };
    if (AlignsLeft(s) || s.Alignment == taCenter) {
        const long long first = AlignsLeft(s) ? ScrollOffset(s, textWidth) : (s.Width - textWidth) / 2;
        for (long long i = 0; i < n; ++i)
            add(first + i * cw, i);
    } else {
        for (long long i = n - 1; i >= 0; --i)
            add(s.Width - cw - (n - 1 - i) * cw, i);
    }
}

} // namespace

int LedCellTop(const TLedScene& scene) {
    return (scene.Height - scene.Geometry.CellHeight) / 2;
}

std::vector<TLedCell> LayoutLedCells(const TLedScene& scene) {
    std::vector<TLedCell> cells;
    if (scene.Width <= 0 || scene.Height <= 7 || scene.Geometry.CellWidth <= 0) return cells;
    const long long textWidth = static_cast<long long>(scene.Text.size()) * scene.Geometry.CellWidth;
    AddBackground(scene, textWidth, cells);
    AddText(scene, textWidth, cells);
    return cells;
}
