// How long one repaint of the dot-matrix panel takes off screen: the game's clock, and a wide
// scrolling banner.
#include "widgets/LedPainter.h"

#include <benchmark/benchmark.h>

namespace {

TLedScene Scene(const std::string& text, int width, int height) {
    TLedScene s;
    s.Text = text;
    s.Width = width;
    s.Height = height;
    s.Geometry = LedGeometryFor(height);
    return s;
}

void BM_ClockPanel(benchmark::State& state) {
    const TLedScene scene = Scene(" 12:34", 121, 24);
    const TLedColors colours;
    for (auto _ : state) {
        QImage img = RenderLedPanel(scene, colours);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_ClockPanel);

void BM_ScrollingBanner(benchmark::State& state) {
    TLedScene scene = Scene(std::string(200, 'W'), 800, 76);
    scene.Scrolling = true;
    const TLedColors colours;
    for (auto _ : state) {
        scene.ScrollPos = (scene.ScrollPos + scene.Geometry.DotPitch) % 14000;
        QImage img = RenderLedPanel(scene, colours);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_ScrollingBanner);

void BM_LayoutLongCaption(benchmark::State& state) {
    const TLedScene scene = Scene(std::string(100000, 'x'), 121, 24);
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutLedCells(scene).size());
}
BENCHMARK(BM_LayoutLongCaption);

} // namespace

BENCHMARK_MAIN();
