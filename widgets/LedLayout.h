#pragma once

#include "widgets/LedGeometry.h"

#include <cstdint>
#include <string>
#include <vector>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TScrollType { stNone, stRightToLeft, stLeftToRight };

// Everything that decides where the character cells of the panel go.
struct TLedScene {
    std::string Text; // 8-bit character codes (see LedCharCode)
    TAlignment Alignment = taLeftJustify;
    bool Scrolling = false;
    TScrollType ScrollType = stRightToLeft;
    int ScrollPos = 0;
    int Width = 0;  // client width
    int Height = 0; // client height
    TLedGeometry Geometry;
};

// One character cell to draw: its left edge and the character, already mapped for drawing.
struct TLedCell {
    int Left;
    std::uint8_t Ch;
};

// Top edge of every cell: the dot rows sit centred in the client height.
int LedCellTop(const TLedScene& scene);

// The cells of a repaint in drawing order: first the unlit background cells (spaces) across the whole
// width, then one cell per character of the text, codes below 32 drawn as 127. Empty when the client
// area is too low (7 pixels or less) or empty.
std::vector<TLedCell> LayoutLedCells(const TLedScene& scene);
