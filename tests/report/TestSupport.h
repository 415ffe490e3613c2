// Helpers shared by the report tests: a deterministic text measurer, a renderer that logs every
// call, and a little-endian byte builder for hand-made streams.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/NDRWriter.h"
#include "report/ReportRender.h"
#include "report/TextMeasurer.h"

// Every character is half an em wide; ascent 0.8 em, descent 0.2 em; the cell height is the em.
class TFixedMeasurer : public TTextMeasurer {
  public:
    double EmForCellHeight(const TReportFont&, double CellPixels) override { return CellPixels; }
    double TextWidth(const TReportFont&, double EmPixels, std::string_view Text) override {
        return 0.5 * EmPixels * static_cast<double>(Text.size());
    }
    TFontExtent Extent(const TReportFont&, double EmPixels) override {
        return {0.8 * EmPixels, 0.2 * EmPixels};
    }
};

TFixedMeasurer& FixedMeasurer();

// Logs each renderer call as one line, e.g. "LeftText 'abc' 1 0.5" or "PageBegin".
class TRecordingRender : public TReportRender {
  public:
    std::vector<std::string> Calls;
    std::vector<TReportGraphic> Bitmaps;
    std::vector<TReportFont> Fonts;

    void DocBegin() override { Calls.push_back("DocBegin"); }
    void DocEnd() override { Calls.push_back("DocEnd"); }
    void PageBegin() override;
    void PageEnd() override { Calls.push_back("PageEnd"); }
    void RenderLeftText(const std::string& Text, double X, double Y) override;
    void RenderCenterText(const std::string& Text, double X, double Y) override;
    void RenderRightText(const std::string& Text, double X, double Y) override;
    void RenderBlockText(const std::string& Text, double X, double Y, double Width) override;
    void RenderBitmapRect(const TReportGraphic& Bitmap, double X1, double Y1, double X2, double Y2) override;
    void RenderMoveTo(double X, double Y) override;
    void RenderLineTo(double X, double Y) override;
    void RenderRectangle(double X1, double Y1, double X2, double Y2) override;
    void RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) override;
    void FontChanged(const TReportFont& Font) override { Fonts.push_back(Font); }

    // Calls whose line starts with Prefix.
    std::vector<std::string> Matching(const std::string& Prefix) const;
};

// Plays Bytes into Render with the fixed measurer; returns the error message, empty on success.
std::string Play(const std::vector<uint8_t>& Bytes, TReportRender& Render, int PageNo = 0);

// A writer on smMemory with the fixed measurer and no file.
void PrepareWriter(TNDRWriter& Writer);

struct TBytes {
    std::vector<uint8_t> Data;
    TBytes& Byte(uint8_t V) {
        Data.push_back(V);
        return *this;
    }
    TBytes& Word(uint16_t V) {
        Byte(V & 0xFF);
        return Byte(V >> 8);
    }
    TBytes& Int(int32_t V);
    TBytes& Single(float V);
    TBytes& Str(const std::string& S);
    TBytes& Raw(const std::string& S) {
        Data.insert(Data.end(), S.begin(), S.end());
        return *this;
    }
    size_t Size() const { return Data.size(); }
};

// A minimal version-2017 header with PageCount pages.
TBytes StreamHeader(uint16_t PageCount);
// A page record start (code 80 ... page height), with the given links.
void PageStart(TBytes& B, int32_t Previous, int32_t Next, uint16_t PageNumber);

// Reads a little-endian value at Offset.
uint16_t WordAt(const std::vector<uint8_t>& Bytes, size_t Offset);
int32_t IntAt(const std::vector<uint8_t>& Bytes, size_t Offset);
float SingleAt(const std::vector<uint8_t>& Bytes, size_t Offset);
