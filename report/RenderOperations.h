// The drawing operations of the renderer interface, in slot order: name, parameters and the
// parameter names as an argument list. The interface, every renderer's declarations, the reader's
// dispatch and the recorders are generated from this one list.
//
// Every double is in inches from the top-left corner of the page, every text position a baseline.
// Polygon points are in units of 1/1248 inch with HighIndex = number of points - 1; rectangles
// (TRect) are device pixels; image data arrives positioned at 0.
#pragma once

#include <string>
#include <vector>

#include "report/ReportTypes.h"

class TStream;

#define VELMORA_RENDER_OPERATIONS(X)                                                                         \
    X(RenderArc, (double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4),   \
      (X1, Y1, X2, Y2, X3, Y3, X4, Y4))                                                                      \
    X(BrushChanged, (const TReportBrush& Sender), (Sender))                                                  \
    X(RenderChord, (double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4), \
      (X1, Y1, X2, Y2, X3, Y3, X4, Y4))                                                                      \
    X(RenderCenterText, (const std::string& Text, double X, double Y), (Text, X, Y))                         \
    X(RenderEllipse, (double X1, double Y1, double X2, double Y2), (X1, Y1, X2, Y2))                         \
    X(FontChanged, (const TReportFont& Sender), (Sender))                                                    \
    X(RenderLeftText, (const std::string& Text, double X, double Y), (Text, X, Y))                           \
    X(RenderLineTo, (double X, double Y), (X, Y))                                                            \
    X(RenderMoveTo, (double X, double Y), (X, Y))                                                            \
    X(RenderPie, (double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4),   \
      (X1, Y1, X2, Y2, X3, Y3, X4, Y4))                                                                      \
    X(RenderPolyline, (const std::vector<TPoint>& Points, int HighIndex), (Points, HighIndex))               \
    X(RenderPolygon, (const std::vector<TPoint>& Points, int HighIndex), (Points, HighIndex))                \
    X(RenderRightText, (const std::string& Text, double X, double Y), (Text, X, Y))                          \
    X(PenChanged, (const TReportPen& Sender), (Sender))                                                      \
    X(RenderImageData,                                                                                       \
      (TStream & Stream, const std::string& TypeName, double X1, double Y1, double X2, double Y2),           \
      (Stream, TypeName, X1, Y1, X2, Y2))                                                                    \
    X(RenderBitmapRect, (const TReportGraphic& Bitmap, double X1, double Y1, double X2, double Y2),          \
      (Bitmap, X1, Y1, X2, Y2))                                                                              \
    X(RenderBitmap, (const TReportGraphic& Bitmap, double X, double Y, double ScaleX, double ScaleY),        \
      (Bitmap, X, Y, ScaleX, ScaleY))                                                                        \
    X(RenderStretchDraw, (const TRect& Rect, const TReportGraphic& Graphic), (Rect, Graphic))                \
    X(RenderDraw, (const TReportGraphic& Graphic, double X, double Y), (Graphic, X, Y))                      \
    X(RenderBlockText, (const std::string& Text, double X, double Y, double Width), (Text, X, Y, Width))     \
    X(RenderRectangle, (double X1, double Y1, double X2, double Y2), (X1, Y1, X2, Y2))                       \
    X(RenderFillRect, (const TRect& Rect), (Rect))                                                           \
    X(RenderTextRect, (const TRect& Rect, const std::string& Text, double X, double Y), (Rect, Text, X, Y))  \
    X(RenderRoundRect, (double X1, double Y1, double X2, double Y2, double W, double H),                     \
      (X1, Y1, X2, Y2, W, H))

// Declares one operation as a virtual of the interface.
#define VELMORA_RENDER_VIRTUAL(Name, Params, Args) virtual void Name Params;
// Declares one operation as an override in a renderer's class body:
//   VELMORA_RENDER_OPERATIONS(VELMORA_RENDER_OVERRIDE)
#define VELMORA_RENDER_OVERRIDE(Name, Params, Args) void Name Params override;

// For bodies that use only some of their parameters.
template <class... T> constexpr void IgnoreRenderArguments(const T&...) {}
