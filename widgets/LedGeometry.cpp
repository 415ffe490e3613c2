#include "widgets/LedGeometry.h"

#include <algorithm>

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

int LedScrollLimit(int captionLength, int cellWidth, int controlWidth) {
    return captionLength * cellWidth + controlWidth;
}
