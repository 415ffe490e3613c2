// The command codes of the page stream: one list of code, name, operand layout and playback that
// drives the writer's codes, the reader's decoding and dispatch, and the command-line dump.
//
// Operand letters, in stream order:
//   b byte   w word   i int   f single   s string   g graphic record
//   P point (two singles)   R rect (two points)
//   H word H, then H + 1 points        N int N, then N bytes
//   V value record                     B byte B, then a graphic record when B = 1
//   F single present only from version 2000
//
// Playback: how the reader plays the command into the renderer, and the renderer operation it
// reaches (None when it reaches none):
//   Call   the operation with the arguments of the last column, taken from the decoded command C
//          (F = C.F; DeviceRect, ExpandMacros and ImageStream are the reader's own)
//   Step   the reader's Play<operation>(C), which updates its state or calls more than one operation
//   State  the reader's Play<name>(C), which only updates its state
//   Skip   nothing: recorded for devices or for the writer's own bookkeeping
#pragma once

#include <cstdint>

#define VELMORA_PAGE_STREAM_CODES(X)                                                                         \
    X(1, Arc, "PPPP", Call, RenderArc, (F[0], F[1], F[2], F[3], F[4], F[5], F[6], F[7]))                     \
    X(2, CopyWithBrush, "gRRi", Skip, None, ())                                                              \
    X(3, Chord, "PPPP", Call, RenderChord, (F[0], F[1], F[2], F[3], F[4], F[5], F[6], F[7]))                 \
    X(4, Reserved, "RiR", Skip, None, ())                                                                    \
    X(5, Draw, "gP", Call, RenderDraw, (C.Graphic, F[0], F[1]))                                              \
    X(6, FocusRect, "R", Skip, None, ())                                                                     \
    X(7, Ellipse, "PP", Call, RenderEllipse, (F[0], F[1], F[2], F[3]))                                       \
    X(8, FillRect, "R", Call, RenderFillRect, (DeviceRect(F)))                                               \
    X(9, FloodFill, "Pii", Skip, None, ())                                                                   \
    X(10, FrameRect, "R", Skip, None, ())                                                                    \
    X(11, LineTo, "P", Step, RenderLineTo, ())                                                               \
    X(12, MoveTo, "P", State, None, ())                                                                      \
    X(13, Pie, "PPPP", Call, RenderPie, (F[0], F[1], F[2], F[3], F[4], F[5], F[6], F[7]))                    \
    X(14, Polygon, "H", Step, RenderPolygon, ())                                                             \
    X(15, Polyline, "H", Step, RenderPolyline, ())                                                           \
    X(16, BitmapScaled, "gPff", Call, RenderBitmap, (C.Graphic, F[0], F[1], F[2], F[3]))                     \
    X(17, BitmapRect, "gPP", Call, RenderBitmapRect, (C.Graphic, F[0], F[1], F[2], F[3]))                    \
    X(18, Rectangle, "PP", Call, RenderRectangle, (F[0], F[1], F[2], F[3]))                                  \
    X(19, ShadeRect, "PP", Call, RenderRectangle, (F[0], F[1], F[2], F[3]))                                  \
    X(20, RoundRect, "PPff", Call, RenderRoundRect, (F[0], F[1], F[2], F[3], F[4], F[5]))                    \
    X(21, StretchDraw, "gR", Call, RenderStretchDraw, (DeviceRect(F), C.Graphic))                            \
    X(22, TextRect, "RPs", Call, RenderTextRect, (DeviceRect(F), ExpandMacros(C.S[0]), F[4], F[5]))          \
    X(23, CenterText, "fsf", Step, RenderCenterText, ())                                                     \
    X(24, LeftText, "fsf", Step, RenderLeftText, ())                                                         \
    X(25, RightText, "fsf", Step, RenderRightText, ())                                                       \
    X(26, TextBKMode, "b", Skip, None, ())                                                                   \
    X(27, BackgroundColor, "i", Skip, None, ())                                                              \
    X(28, ScaleX, "f", Skip, None, ())                                                                       \
    X(29, ScaleY, "f", Skip, None, ())                                                                       \
    X(30, RawText, "s", Skip, None, ())                                                                      \
    X(31, RawStream, "N", Skip, None, ())                                                                    \
    X(32, BlockTextOld, "fsff", Call, RenderBlockText, (ExpandMacros(C.S[0]), F[1], F[0], F[2]))             \
    X(33, BlockText, "fsff", Call, RenderBlockText, (ExpandMacros(C.S[0]), F[1], F[0], F[2]))                \
    X(34, GraphicOptions, "b", Skip, None, ())                                                               \
    X(35, RenderOption, "b", State, None, ())                                                                \
    X(36, ImageData, "NsPP", Call, RenderImageData, (ImageStream(C), C.S[0], F[0], F[1], F[2], F[3]))        \
    X(37, Variable, "sV", State, None, ())                                                                   \
    X(40, BrushRecord, "ibB", Step, BrushChanged, ())                                                        \
    X(41, BrushColor, "i", Step, BrushChanged, ())                                                           \
    X(42, BrushStyle, "b", Step, BrushChanged, ())                                                           \
    X(43, BrushPattern, "B", Step, BrushChanged, ())                                                         \
    X(50, FontRecord, "sibbfbbbb", Step, FontChanged, ())                                                    \
    X(51, FontName, "s", Step, FontChanged, ())                                                              \
    X(52, FontColor, "i", Step, FontChanged, ())                                                             \
    X(53, FontPitch, "b", Step, FontChanged, ())                                                             \
    X(54, FontSize, "fF", Step, FontChanged, ())                                                             \
    X(55, FontBold, "b", Step, FontChanged, ())                                                              \
    X(56, FontUnderline, "b", Step, FontChanged, ())                                                         \
    X(57, FontItalic, "b", Step, FontChanged, ())                                                            \
    X(58, FontStrikeOut, "b", Step, FontChanged, ())                                                         \
    X(59, FontSuperscript, "b", Step, FontChanged, ())                                                       \
    X(60, FontSubscript, "b", Step, FontChanged, ())                                                         \
    X(61, FontRotation, "w", Step, FontChanged, ())                                                          \
    X(62, FontAlign, "b", Step, FontChanged, ())                                                             \
    X(63, FontCharSet, "b", Step, FontChanged, ())                                                           \
    X(70, PenRecord, "ibbf", Step, PenChanged, ())                                                           \
    X(71, PenColor, "i", Step, PenChanged, ())                                                               \
    X(72, PenMode, "b", Step, PenChanged, ())                                                                \
    X(73, PenStyle, "b", Step, PenChanged, ())                                                               \
    X(74, PenWidth, "f", Step, PenChanged, ())                                                               \
    X(82, PageEnd, "", Skip, None, ())                                                                       \
    X(83, LineMetrics, "fff", Skip, None, ())                                                                \
    X(84, PreviewOnly, "", Skip, None, ())                                                                   \
    X(85, PrinterOnly, "", Skip, None, ())                                                                   \
    X(86, Everywhere, "", Skip, None, ())                                                                    \
    X(87, Orientation, "b", Skip, None, ())                                                                  \
    X(88, RequestBin, "s", Skip, None, ())

// The font record (code 50) of older streams: face name, colour, pitch, character set, size in
// inches, then the style bytes bold, underline, italic and strike-out.

enum TPageCode : uint8_t {
#define VELMORA_CODE_ENUM(Code, Name, Layout, Kind, Operation, Args) pc##Name = Code,
    VELMORA_PAGE_STREAM_CODES(VELMORA_CODE_ENUM)
#undef VELMORA_CODE_ENUM
        pcPageStart = 80,
};

struct TPageCodeInfo {
    uint8_t Code;
    const char* Name;
    const char* Operands;
    const char* Operation; // the renderer operation the command reaches; "None" for none
};

// The entry of Code, or null when Code is not a command inside a page.
const TPageCodeInfo* FindPageCode(uint8_t Code);
