// Shared by the printing tests: recording the puzzle page (or numbered pages) into a stream, and
// measuring what a renderer drew into a picture.
#pragma once

#include "game/PuzzlePage.h"
#include "platform/RgbBitmap.h"
#include "report/NDRWriter.h"
#include "report/ReportStream.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <string>

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

// The bounding box of the pixels that match Pred.
template <class Pred> QRect BoundsOf(const QImage& Image, Pred pred) {
    QRect box;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (pred(Image.pixelColor(x, y))) box = box.united(QRect(x, y, 1, 1));
    return box;
}

inline bool IsRed(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

inline bool IsDark(const QColor& c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}
