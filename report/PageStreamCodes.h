// The command codes of the page stream: one list of code, name and operand layout that drives the
// writer's checks, the reader's decoding and the command-line dump.
//
// Operand letters, in stream order:
//   b byte   w word   i int   f single   s string   g graphic record
//   P point (two singles)   R rect (two points)
//   H word H, then H + 1 points        N int N, then N bytes
//   V value record                     B byte B, then a graphic record when B = 1
//   F single present only from version 2000
#pragma once

#include <cstdint>

#define VELMORA_PAGE_STREAM_CODES(X)                                                                         \
    X(1, Arc, "PPPP")                                                                                        \
    X(2, CopyWithBrush, "gRRi")                                                                              \
    X(3, Chord, "PPPP")                                                                                      \
    X(4, Reserved, "RiR")                                                                                    \
    X(5, Draw, "gP")                                                                                         \
    X(6, FocusRect, "R")                                                                                     \
    X(7, Ellipse, "PP")                                                                                      \
    X(8, FillRect, "R")                                                                                      \
    X(9, FloodFill, "Pii")                                                                                   \
    X(10, FrameRect, "R")                                                                                    \
    X(11, LineTo, "P")                                                                                       \
    X(12, MoveTo, "P")                                                                                       \
    X(13, Pie, "PPPP")                                                                                       \
    X(14, Polygon, "H")                                                                                      \
    X(15, Polyline, "H")                                                                                     \
    X(16, BitmapScaled, "gPff")                                                                              \
    X(17, BitmapRect, "gPP")                                                                                 \
    X(18, Rectangle, "PP")                                                                                   \
    X(19, ShadeRect, "PP")                                                                                   \
    X(20, RoundRect, "PPff")                                                                                 \
    X(21, StretchDraw, "gR")                                                                                 \
    X(22, TextRect, "RPs")                                                                                   \
    X(23, CenterText, "fsf")                                                                                 \
    X(24, LeftText, "fsf")                                                                                   \
    X(25, RightText, "fsf")                                                                                  \
    X(26, TextBKMode, "b")                                                                                   \
    X(27, BackgroundColor, "i")                                                                              \
    X(28, ScaleX, "f")                                                                                       \
    X(29, ScaleY, "f")                                                                                       \
    X(30, RawText, "s")                                                                                      \
    X(31, RawStream, "N")                                                                                    \
    X(32, BlockTextOld, "fsff")                                                                              \
    X(33, BlockText, "fsff")                                                                                 \
    X(34, GraphicOptions, "b")                                                                               \
    X(35, RenderOption, "b")                                                                                 \
    X(36, ImageData, "NsPP")                                                                                 \
    X(37, Variable, "sV")                                                                                    \
    X(40, BrushRecord, "ibB")                                                                                \
    X(41, BrushColor, "i")                                                                                   \
    X(42, BrushStyle, "b")                                                                                   \
    X(43, BrushPattern, "B")                                                                                 \
    X(50, FontRecord, "sibbfbbbb")                                                                           \
    X(51, FontName, "s")                                                                                     \
    X(52, FontColor, "i")                                                                                    \
    X(53, FontPitch, "b")                                                                                    \
    X(54, FontSize, "fF")                                                                                    \
    X(55, FontBold, "b")                                                                                     \
    X(56, FontUnderline, "b")                                                                                \
    X(57, FontItalic, "b")                                                                                   \
    X(58, FontStrikeOut, "b")                                                                                \
    X(59, FontSuperscript, "b")                                                                              \
    X(60, FontSubscript, "b")                                                                                \
    X(61, FontRotation, "w")                                                                                 \
    X(62, FontAlign, "b")                                                                                    \
    X(63, FontCharSet, "b")                                                                                  \
    X(70, PenRecord, "ibbf")                                                                                 \
    X(71, PenColor, "i")                                                                                     \
    X(72, PenMode, "b")                                                                                      \
    X(73, PenStyle, "b")                                                                                     \
    X(74, PenWidth, "f")                                                                                     \
    X(82, PageEnd, "")                                                                                       \
    X(83, LineMetrics, "fff")                                                                                \
    X(84, PreviewOnly, "")                                                                                   \
    X(85, PrinterOnly, "")                                                                                   \
    X(86, Everywhere, "")                                                                                    \
    X(87, Orientation, "b")                                                                                  \
    X(88, RequestBin, "s")

// The font record (code 50) of older streams: face name, colour, pitch, character set, size in
// inches, then the style bytes bold, underline, italic and strike-out.

enum TPageCode : uint8_t {
#define VELMORA_CODE_ENUM(Code, Name, Layout) pc##Name = Code,
    VELMORA_PAGE_STREAM_CODES(VELMORA_CODE_ENUM)
#undef VELMORA_CODE_ENUM
        pcPageStart = 80,
};

struct TPageCodeInfo {
    uint8_t Code;
    const char* Name;
    const char* Operands;
};

// The entry of Code, or null when Code is not a command inside a page.
const TPageCodeInfo* FindPageCode(uint8_t Code);
