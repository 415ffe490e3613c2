#include "platform/FontService.h"
#include "platform/IniFile.h"
#include "platform/JpegEncoder.h"
#include "platform/NumberFormat.h"
#include "platform/RgbBitmap.h"

#include <benchmark/benchmark.h>

namespace {

const std::string Header = "Sudoku Puzzle Number 1234567 Courtesy of www.example.com";

platform::RgbBitmap BoardPicture() {
    // A 399 x 399 board-like picture: white squares, grey lines, a few dark digits' worth of ink.
    platform::RgbBitmap bitmap(399, 399);
    for (int i = 0; i < 399; i += 44)
        for (int j = 0; j < 399; ++j) {
            bitmap.SetPixel(i, j, platform::Rgb{90, 90, 90});
            bitmap.SetPixel(j, i, platform::Rgb{90, 90, 90});
        }
    for (int y = 10; y < 399; y += 44)
        for (int x = 15; x < 399; x += 44)
            for (int k = 0; k < 20; ++k)
                bitmap.SetPixel(x + k / 2, y + k, platform::Rgb{0, 0, 0});
    return bitmap;
}

void FaceLookup(benchmark::State& state) {
    platform::FontService& fonts = platform::FontService::Default();
    for (auto _ : state)
        benchmark::DoNotOptimize(&fonts.Face("Arial", {true, false}));
}
BENCHMARK(FaceLookup);

// What the page-stream reader does per text run: find the face, measure on the 1248 ppi canvas.
void MeasureTextRun(benchmark::State& state) {
    platform::FontService& fonts = platform::FontService::Default();
    for (auto _ : state) {
        const platform::FontFace& face = fonts.Face("Arial");
        benchmark::DoNotOptimize(face.DeviceTextWidth(Header, platform::FontFace::EmPixels(12, 1248)));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Header.size()));
}
BENCHMARK(MeasureTextRun);

void ExactTextWidth(benchmark::State& state) {
    const platform::FontFace& face = platform::FontService::Default().Face("Arial");
    for (auto _ : state)
        benchmark::DoNotOptimize(face.TextWidth(Header, 50));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Header.size()));
}
BENCHMARK(ExactTextWidth);

void FirstUseOfAFace(benchmark::State& state) {
    for (auto _ : state) {
        platform::FontService fonts;
        benchmark::DoNotOptimize(fonts.Face("Times New Roman", {false, true}).Outline().Ascent);
    }
}
BENCHMARK(FirstUseOfAFace)->Unit(benchmark::kMillisecond);

void JpegBoardQuality90(benchmark::State& state) {
    const platform::RgbBitmap picture = BoardPicture();
    const platform::JpegEncoder encoder(90);
    for (auto _ : state)
        benchmark::DoNotOptimize(encoder.Encode(picture).size());
}
BENCHMARK(JpegBoardQuality90)->Unit(benchmark::kMicrosecond);

void BmpRoundTrip(benchmark::State& state) {
    const platform::RgbBitmap picture = BoardPicture();
    for (auto _ : state) {
        const std::vector<std::uint8_t> bmp = picture.EncodeBmp();
        benchmark::DoNotOptimize(platform::RgbBitmap::DecodeBmp(bmp).Width());
    }
}
BENCHMARK(BmpRoundTrip)->Unit(benchmark::kMicrosecond);

void FixedFourDecimals(benchmark::State& state) {
    std::string out;
    double value = 0.1234;
    for (auto _ : state) {
        out.clear();
        platform::NumberFormat::AppendFixed(out, value, 4);
        value += 1.0;
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(FixedFourDecimals);

void ReadSettings(benchmark::State& state) {
    const std::string text =
        "[options]\r\nHiliteRowAndColumn=1\r\nHiliteCell=1\r\nHiliteErrors=0\r\nUserFont=1\r\n"
        "Timer=1\r\nDifficulty=2\r\nCurrent=12345\r\n";
    for (auto _ : state) {
        const platform::IniFile ini = platform::IniFile::Parse(text);
        benchmark::DoNotOptimize(ini.ReadInteger("options", "Current", 0));
    }
}
BENCHMARK(ReadSettings);

} // namespace
