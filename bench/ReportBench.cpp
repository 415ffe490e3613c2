// Recording and replaying the puzzle page, and reading a stream of many pages (MB/s).
#include <benchmark/benchmark.h>

#include "game/PuzzlePage.h"
#include "report/NDRWriter.h"
#include "report/PageConverter.h"
#include "report/ReportRender.h"
#include "report/ReportStream.h"

namespace {

platform::RgbBitmap BoardPicture() {
    platform::RgbBitmap B(399, 399);
    for (int Y = 0; Y < 399; Y += 44)
        for (int X = 0; X < 399; ++X)
            B.SetPixel(X, Y, {0, 0, 0});
    return B;
}

std::vector<uint8_t> RecordPuzzlePage(const platform::RgbBitmap& Board) {
    TNDRWriter W;
    W.OnPrint = [&](TBaseReport& R) { PrintPuzzlePage(R, Board, 123456789); };
    W.Execute();
    return W.MemoryBytes();
}

// A text-heavy report: Pages pages of 60 lines with font changes and a few shapes.
std::vector<uint8_t> RecordLongReport(int Pages) {
    TNDRWriter W;
    W.SetAccuracyMethod(amAppearance);
    W.OnPrint = [&](TBaseReport& R) {
        for (int P = 1; P <= Pages; ++P) {
            for (int Line = 0; Line < 60; ++Line) {
                R.SetBold(Line % 10 == 0);
                R.PrintAt(0.5, 0.5 + Line * 0.16,
                          "Line " + std::to_string(Line) + " of page " + std::to_string(P));
            }
            R.Rectangle(0.4, 0.4, 8, 10.5);
            R.MoveTo(0.5, 10.4);
            R.LineTo(8, 10.4);
            if (P < Pages) R.NewPage();
        }
    };
    W.Execute();
    return W.MemoryBytes();
}

void BM_RecordPuzzlePage(benchmark::State& State) {
    const platform::RgbBitmap Board = BoardPicture();
    for (auto _ : State)
        benchmark::DoNotOptimize(RecordPuzzlePage(Board));
}
BENCHMARK(BM_RecordPuzzlePage)->Unit(benchmark::kMicrosecond);

void BM_ReplayPuzzlePage(benchmark::State& State) {
    const auto Bytes = RecordPuzzlePage(BoardPicture());
    TReportRender Render;
    for (auto _ : State) {
        TByteViewStream In(Bytes.data(), Bytes.size());
        TPageConverter C(In, Render);
        C.Generate(0);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Bytes.size()));
}
BENCHMARK(BM_ReplayPuzzlePage)->Unit(benchmark::kMicrosecond);

void BM_ReadManyPages(benchmark::State& State) {
    const auto Bytes = RecordLongReport(static_cast<int>(State.range(0)));
    TReportRender Render;
    for (auto _ : State) {
        TByteViewStream In(Bytes.data(), Bytes.size());
        TPageConverter C(In, Render);
        C.Generate(0);
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(Bytes.size()));
    State.counters["stream_bytes"] = static_cast<double>(Bytes.size());
}
BENCHMARK(BM_ReadManyPages)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_RecordManyPages(benchmark::State& State) {
    for (auto _ : State)
        benchmark::DoNotOptimize(RecordLongReport(static_cast<int>(State.range(0))));
}
BENCHMARK(BM_RecordManyPages)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
