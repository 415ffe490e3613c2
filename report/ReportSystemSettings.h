// The settings groups of the print run: what it copies into the recording writer, how it records,
// and how the preview window looks.
#pragma once

#include "report/ReportSystemTypes.h"
#include "report/ReportTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class TStream;

// Copied into the writer at the start of recording.
struct TSystemPrinter {
    int Copies = 1;
    int FirstPage = 1;
    int LastPage = 9999;
    TLineHeightMethod LineHeightMethod = lhmFont;
    int LinesPerInch = 6;
    double MarginBottom = 0, MarginLeft = 0, MarginRight = 0, MarginTop = 0;
    TOrientation Orientation = poPortrait;
    double ScaleX = 100, ScaleY = 100;
    std::string StatusFormat = "Printing page %p";
    std::vector<std::string> StatusText;
    int TabShade = 0;
    TBKMode TextBKMode = bkTransparent;
    std::string Title = "Report";
    TPrintUnits Units = unInch;
    double UnitsFactor = 1;
    // Chosen in the Output Options dialog.
    bool Collate = false;
    uint8_t Duplex = 0; // 0 simplex, 1 vertical, 2 horizontal
};

// How the report is recorded.
struct TSystemFiler {
    TAccuracyMethod AccuracyMethod = amPositioning;
    std::string FileName;
    std::string StatusFormat = "Generating page %p";
    std::vector<std::string> StatusText;
    TStreamMode StreamMode = smMemory;
    TStream* Stream = nullptr; // the owner's stream for smUser (not owned)
};

struct TGridPen {
    TColor Color = 0;
    uint8_t Style = psDot;
    int Width = 1;
};

// The preview window's settings.
struct TSystemPreview {
    int FormWidth = 615;
    int FormHeight = 450;
    TWindowState FormState = wsNormal;
    double GridHoriz = 0, GridVert = 0; // inches between grid lines; 0 = none
    TGridPen GridPen;
    TMarginMethod MarginMethod = mmFixed;
    double MarginPercent = 0;
    bool Monochrome = false;
    int PagesWide = 1, PagesHigh = 1;
    int PageInc = 1;
    TRulerType RulerType = rtNone;
    int ShadowDepth = 0;
    double ZoomFactor = 100;
    double ZoomInc = 10;
};
