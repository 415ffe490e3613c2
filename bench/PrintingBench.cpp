// How long the parts of printing take that the player waits for: recording the puzzle page in a
// print run, and the preview drawing it at a zoom.
#include "QtBench.h"
#include "game/PuzzlePage.h"
#include "platform/RgbBitmap.h"
#include "report/NDRWriter.h"
#include "report/ReportStream.h"
#include "report/ReportSystem.h"
#include "report/qt/RenderPreview.h"

#include <QApplication>
#include <QScrollArea>

namespace {

platform::RgbBitmap Board() {
    platform::RgbBitmap board(399, 399);
    for (int i = 0; i < 399; i += 44)
        for (int j = 0; j < 399; ++j) {
            board.SetPixel(i, j, {0, 0, 0});
            board.SetPixel(j, i, {0, 0, 0});
        }
    return board;
}

// A run of the report system to a page-stream held in the caller's stream (no windows).
void BM_PrintRunRecordsPuzzlePage(benchmark::State& state) {
    const platform::RgbBitmap board = Board();
    for (auto _ : state) {
        TMemoryStream out;
        TReportSystem system;
        system.SystemSetups.Exclude(ssAllowSetup);
        system.SystemFiler.StreamMode = smUser;
        system.SystemFiler.Stream = &out;
        system.OverridePreview = [](TReportSystem&, TOverrideMode, std::unique_ptr<TRunForm>&) {};
        system.OnPrint = [&](TBaseReport& r) { PrintPuzzlePage(r, board, 2147483647); };
        system.RunReport();
        benchmark::DoNotOptimize(out.Size());
    }
}
BENCHMARK(BM_PrintRunRecordsPuzzlePage)->Unit(benchmark::kMillisecond);

// The preview drawing the page at the zoom given in percent.
void BM_PreviewDrawsPuzzlePage(benchmark::State& state) {
    TMemoryStream stream;
    TNDRWriter writer;
    writer.SetStreamMode(smUser);
    writer.SetStream(&stream);
    const platform::RgbBitmap board = Board();
    writer.OnPrint = [&](TBaseReport& r) { PrintPuzzlePage(r, board, 12345); };
    writer.Execute();
    QScrollArea box;
    box.resize(800, 600);
    TRenderPreview preview;
    preview.ScrollBox = &box;
    preview.RenderStream(&stream);
    preview.SetZoomFactor(static_cast<double>(state.range(0)));
    for (auto _ : state)
        preview.RenderPage(1);
}
BENCHMARK(BM_PreviewDrawsPuzzlePage)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunQtBenchmarks<QApplication>(argc, argv);
}
