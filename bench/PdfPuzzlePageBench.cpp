// Time to write the puzzle page as PDF, and the file size (counter "bytes"), for our renderer
// and for QPdfWriter drawing the same header line and board picture.
#include "QtBench.h"
#include "game/GamePdfRenderer.h"
#include "game/PuzzlePage.h"
#include "pdf/FlateCompressor.h"
#include "pdf/TRenderPDF.h"
#include "platform/RgbBitmap.h"
#include "report/NDRWriter.h"
#include "report/ReportStream.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>

#include <cstring>

namespace {

// A board-like picture: white, with thin and thick grid lines and a few dark squares for digits.
platform::RgbBitmap BoardPicture() {
    platform::RgbBitmap board(399, 399);
    for (int i = 0; i <= 9; ++i) {
        const int at = std::min(398, i * 44 + 1);
        const int thickness = i % 3 == 0 ? 3 : 1;
        for (int t = 0; t < thickness && at + t < 399; ++t) {
            for (int k = 0; k < 399; ++k) {
                board.SetPixel(at + t, k, platform::Rgb{0, 0, 0});
                board.SetPixel(k, at + t, platform::Rgb{0, 0, 0});
            }
        }
    }
    for (int cell = 0; cell < 81; cell += 3) {
        const int x = (cell / 9) * 44 + 16;
        const int y = (cell % 9) * 44 + 12;
        for (int dy = 0; dy < 20; ++dy)
            for (int dx = 0; dx < 12; ++dx)
                board.SetPixel(x + dx, y + dy, platform::Rgb{20, 20, 20});
    }
    return board;
}

const std::vector<uint8_t>& PageStream() {
    static const std::vector<uint8_t> bytes = [] {
        const platform::RgbBitmap board = BoardPicture();
        TNDRWriter writer;
        writer.SetTitle("Puzzle Report");
        writer.SetAccuracyMethod(amPositioning);
        writer.SetStreamMode(smMemory);
        writer.OnPrint = [&](TBaseReport& surface) { PrintPuzzlePage(surface, board, 12345); };
        writer.Execute();
        return writer.MemoryBytes();
    }();
    return bytes;
}

void RenderOurs(benchmark::State& state, bool compress) {
    TMemoryStream input(PageStream());
    size_t size = 0;
    for (auto _ : state) {
        pdf::TRenderPDF render;
        pdf::ConfigureGamePdfRenderer(render);
        if (compress) render.OnCompress = pdf::FlateCompress;
        TMemoryStream output;
        render.SetOutputStream(&output);
        render.RenderStream(&input);
        size = output.Size();
        benchmark::DoNotOptimize(output.Bytes().data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}

void BM_PuzzlePagePdf_Velmora(benchmark::State& state) {
    RenderOurs(state, false);
}

void BM_PuzzlePagePdf_VelmoraDeflated(benchmark::State& state) {
    RenderOurs(state, true);
}

void BM_PuzzlePagePdf_QPdfWriter(benchmark::State& state) {
    const platform::RgbBitmap board = BoardPicture();
    QImage image(board.Width(), board.Height(), QImage::Format_RGB888);
    for (int y = 0; y < board.Height(); ++y)
        std::memcpy(image.scanLine(y), board.Row(y), board.RowBytes());
    size_t size = 0;
    for (auto _ : state) {
        size = QPdfWriterSize([&](QPdfWriter&, QPainter& painter) {
            painter.setFont(QFont("Arial", 12));
            painter.drawText(QPointF(0.6 * 72, 0.5 * 72),
                             "Sudoku Puzzle Number 12345 Courtesy of www.velmora.co.uk");
            painter.drawImage(QRectF(0.6 * 72, 0.8 * 72, 6 * 72, 6 * 72), image);
        });
    }
    state.counters["bytes"] = static_cast<double>(size);
}

} // namespace

BENCHMARK(BM_PuzzlePagePdf_Velmora)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PuzzlePagePdf_VelmoraDeflated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PuzzlePagePdf_QPdfWriter)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return RunQtBenchmarks<QGuiApplication>(argc, argv);
}
