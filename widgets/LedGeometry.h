#pragma once

#include <cstddef>

// Sizes of the dot matrix, all derived from the height of the client area.
struct TLedGeometry {
    int DotSize = 1;
    int DotGap = 0;
    int DotPitch = 1;   // DotSize + DotGap: distance from one dot to the next
    int CellWidth = 6;  // five dot columns and one unlit spacing column
    int CellHeight = 7; // seven dot rows
};

// DotSize is the client height / 7.6 truncated (at least 1); DotGap is a tenth of it, truncated.
TLedGeometry LedGeometryFor(int clientHeight);

// How far the text scrolls before it starts again: the caption's cells plus the control's width.
int LedScrollLimit(std::size_t captionLength, int cellWidth, int controlWidth);
