// Shared by the printing tests: recording the puzzle page (or numbered pages) into a stream, a
// renderer that keeps the pages' texts, measuring what a renderer drew into a picture.
#pragma once

#include "TestSupport.h" // the report tests' temporary folder and whole-file read
#include "game/PuzzlePage.h"
#include "platform/RgbBitmap.h"
#include "report/NDRWriter.h"
#include "report/PageConverter.h"
#include "report/PageStreamDecoder.h"
#include "report/RendererRegistry.h"
#include "report/ReportRenderStream.h"
#include "report/ReportStream.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <string>

// Counts pages and keeps the texts of a played stream.
class TTextRender : public TReportRenderStream {
  public:
    void PageBegin() override { ++Pages; }
    void RenderLeftText(const std::string& Text, double, double) override { Texts.push_back(Text); }
    void RenderBlockText(const std::string& Text, double, double, double) override { Texts.push_back(Text); }
    int Pages = 0;
    std::vector<std::string> Texts;
};

inline int PagesIn(TStream& Stream) {
    TTextRender render;
    Stream.Seek(0);
    TPageConverter(Stream, render).Generate(0);
    return render.Pages;
}

// The format list's index of a registered renderer (after the page stream and printer formats),
// or -1 when it is not offered.
inline int FormatOf(const TReportRender& render) {
    const auto active = ActiveRenderers();
    const auto it = std::find_if(active.begin(), active.end(),
                                 [&](const TRegisteredRenderer& e) { return e.Render == &render; });
    return it == active.end() ? -1 : 2 + static_cast<int>(it - active.begin());
}

// A board picture that is easy to find: solid red.
inline platform::RgbBitmap RedBoard() {
    return platform::RgbBitmap(399, 399, platform::Rgb{255, 0, 0});
}

inline void RecordPuzzle(TStream& Out, const TReferenceDevice& Device = {}, int32_t Number = 2147483647) {
    TNDRWriter writer;
    writer.SetStreamMode(smUser);
    writer.SetStream(&Out);
    writer.SetDevice(Device);
    const platform::RgbBitmap board = RedBoard();
    writer.OnPrint = [&](TBaseReport& r) { PrintPuzzlePage(r, board, Number); };
    writer.Execute();
}

inline void RecordPages(TStream& Out, int Pages) {
    TNDRWriter writer;
    writer.SetStreamMode(smUser);
    writer.SetStream(&Out);
    writer.OnPrint = [&](TBaseReport& r) {
        for (int page = 1; page <= Pages; ++page) {
            if (page > 1) r.NewPage();
            r.SelectFont("Arial", 12);
            r.PrintAt(1, 1, "Page" + std::to_string(page));
        }
    };
    writer.Execute();
}

// Puts an undefined command code at the start of page Page's drawing (after its page head), so that
// reading that page fails while the others stay good.
inline void DamagePage(TMemoryStream& Stream, int Page) {
    std::vector<uint8_t>& bytes = Stream.Bytes();
    TPageStreamDecoder decoder(bytes.data(), bytes.size());
    decoder.ReadHeader();
    uint64_t at = decoder.Position();
    for (int page = 1; page < Page; ++page) {
        decoder.Seek(at);
        at = static_cast<uint64_t>(decoder.ReadPageHead().Next);
    }
    bytes.at(at + 19) = 200; // 19: code, two links, number, width and height
}

// The bounding box of the pixels that match Pred.
template <class Pred> QRect BoundsOf(const QImage& Image, Pred pred) {
    const QImage rgb = Image.convertToFormat(QImage::Format_RGB32);
    int left = rgb.width(), top = rgb.height(), right = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if (pred(QColor::fromRgb(line[x]))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

inline bool IsRed(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

inline bool IsDark(const QColor& c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}
