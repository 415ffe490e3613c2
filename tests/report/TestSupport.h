// Helpers shared by the report tests: a deterministic text measurer, a renderer that logs every
// call, a little-endian byte builder for hand-made streams, files and golden listings.
#pragma once

#include "TestFiles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

// Logs each renderer call as one line, e.g. "LeftText 'abc' 1 0.5" or "PageBegin 8.5x11".
class TRecordingRender : public TReportRender {
  public:
    std::vector<std::string> Calls;
    std::vector<TReportGraphic> Bitmaps;
    std::vector<TReportFont> Fonts;

    void DocBegin() override { Log("DocBegin", {}); }
    void DocEnd() override { Log("DocEnd", {}); }
    void PageBegin() override { Log("PageBegin", {PageWidth(), PageHeight()}, "x"); }
    void PageEnd() override { Log("PageEnd", {}); }
    void RenderLeftText(const std::string& T, double X, double Y) override {
        Log("LeftText '" + T + "'", {X, Y});
    }
    void RenderBlockText(const std::string& T, double X, double Y, double W) override {
        Log("BlockText '" + T + "'", {X, Y, W});
    }
    void RenderBitmapRect(const TReportGraphic& Bitmap, double X1, double Y1, double X2, double Y2) override {
        Bitmaps.push_back(Bitmap);
        Log("BitmapRect", {X1, Y1, X2, Y2});
    }
    void RenderMoveTo(double X, double Y) override { Log("MoveTo", {X, Y}); }
    void RenderLineTo(double X, double Y) override { Log("LineTo", {X, Y}); }
    void RenderRectangle(double X1, double Y1, double X2, double Y2) override {
        Log("Rectangle", {X1, Y1, X2, Y2});
    }
    void RenderPolygon(const std::vector<TPoint>& Points, int HighIndex) override;
    void FontChanged(const TReportFont& Font) override { Fonts.push_back(Font); }

    // Calls whose line starts with one of the prefixes.
    std::vector<std::string> Matching(std::initializer_list<std::string> Prefixes) const;

  private:
    // Adds "Name V1 V2 ...", the values apart by Separator after the first.
    void Log(const std::string& Name, std::initializer_list<double> Values, const char* Separator = " ");
};

// Plays Bytes into Render with the fixed measurer; returns the error message, empty on success.
std::string Play(const std::vector<uint8_t>& Bytes, TReportRender& Render, int PageNo = 0);

// A writer on smMemory with the fixed measurer and no file.
void PrepareWriter(TNDRWriter& Writer);

// Records Layout with a prepared writer (Setup runs before) and returns the stream's bytes.
std::vector<uint8_t> Record(const std::function<void(TNDRWriter&)>& Layout,
                            const std::function<void(TNDRWriter&)>& Setup = nullptr);

// The stream as the dump command lists it.
std::string Listing(const std::vector<uint8_t>& Bytes);

struct TBytes {
    std::vector<uint8_t> Data;
    TBytes& Byte(uint8_t V) {
        Data.push_back(V);
        return *this;
    }
    TBytes& Word(uint16_t V) { return Byte(V & 0xFF).Byte(V >> 8); }
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

namespace test {

// Compares Actual whole with the golden file Name in tests/report/data. On a difference the
// actual text is written beside it (NAME.actual). Run with VELMORA_UPDATE_GOLDEN=1 to rewrite
// the golden files on purpose, then review the change before committing it.
::testing::AssertionResult MatchesGolden(const std::string& Actual, const std::string& Name);

} // namespace test
