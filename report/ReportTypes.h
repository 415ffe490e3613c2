// Plain value types shared by the drawing surface, the page stream and the renderers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/RgbBitmap.h"

// 32-bit colour: low three bytes red, green, blue; negative values name system colours.
using TColor = int32_t;

enum TPrintUnits : uint8_t { unInch, unMM, unCM, unPoint, unUser };
enum TOrientation : uint8_t { poPortrait = 0, poLandScape = 1 };
enum TBKMode : uint8_t { bkTransparent = 0, bkOpaque = 1 };
enum TLineHeightMethod : uint8_t { lhmLinesPerInch, lhmFont, lhmUser };
enum TAccuracyMethod : uint8_t { amPositioning, amAppearance };
enum TStreamMode : uint8_t { smMemory, smFile, smUser, smTempFile };

// Output classes of a surface; the set of allowed classes decides whether output is recorded.
enum TOutputClass : uint8_t { ocPrinter = 0, ocPreview = 1, ocRecorder = 2 };

// Pen and brush styles as the page stream stores them.
enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle : uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
enum TFontPitch : uint8_t { fpDefault = 0, fpVariable = 1, fpFixed = 2 };

// Graphic kinds of a graphic record.
enum TGraphicType : uint8_t { gtBitmap = 1, gtMetafile = 2, gtIcon = 3, gtOther = 4 };

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const TPoint&) const = default;
};

// Device rectangle (renderer pixels, built with XI2D/YI2D).
struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
    bool operator==(const TRect&) const = default;
};

// A picture as the page stream carries it: its kind and its serialised bytes (a bitmap is a
// complete BMP file image).
struct TReportGraphic {
    uint8_t Type = gtBitmap;
    std::vector<uint8_t> Data;
    bool Empty() const { return Data.empty(); }
    bool operator==(const TReportGraphic&) const = default;
    // A bitmap graphic holding Bitmap as a BMP file image.
    static TReportGraphic FromBitmap(const platform::RgbBitmap& Bitmap);
    // The pixels of a bitmap graphic; throws EReportError for other kinds or damaged data.
    platform::RgbBitmap ToBitmap() const;
};

struct TReportFont {
    std::string Name = "Arial";
    double Size = 10; // points
    TColor Color = 0;
    uint8_t Pitch = fpDefault;
    uint8_t CharSet = 1; // 1 = the default set
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    bool Superscript = false;
    bool Subscript = false;
    uint16_t Rotation = 0; // degrees, counter-clockwise
    uint8_t Align = 0;
    bool operator==(const TReportFont&) const = default;
};

struct TReportPen {
    TColor Color = 0;
    uint8_t Mode = 4; // copy
    uint8_t Style = psSolid;
    double Width = 1; // pixels of the recording device at the surface; inches inside the reader
    bool operator==(const TReportPen&) const = default;
};

struct TReportBrush {
    TColor Color = 0xFFFFFF;
    uint8_t Style = bsSolid;
    TReportGraphic Pattern; // empty when there is none
    bool operator==(const TReportBrush&) const = default;
};
