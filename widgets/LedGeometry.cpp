#include "widgets/LedGeometry.h"

#include <algorithm>
#include <limits>

TLedGeometry LedGeometryFor(int clientHeight) {
    TLedGeometry g;
    // height / 7.6 in integers (height * 5 / 38), so that e.g. 76 gives exactly 10.
    g.DotSize = std::max(1, std::max(0, clientHeight) * 5 / 38);
    g.DotGap = g.DotSize / 10;
    g.DotPitch = g.DotSize + g.DotGap;
    g.CellWidth = 6 * g.DotPitch;
    g.CellHeight = 7 * g.DotSize + 6 * g.DotGap;
    return g;
}

int LedScrollLimit(std::size_t captionLength, int cellWidth, int controlWidth) {
    const long long limit = static_cast<long long>(captionLength) * cellWidth + controlWidth;
    // A caption too long to count in pixels scrolls as far as an int safely reaches.
    return static_cast<int>(std::min<long long>(limit, std::numeric_limits<int>::max() / 2));
}
