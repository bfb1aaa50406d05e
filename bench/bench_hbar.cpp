// What the sampler costs the hue bar on every 25 ms tick: writing
// SelectedColor (a hue change only moves the mark; a new saturation or value
// recomputes the 360-pixel strip) and painting the bar. Runs on the offscreen
// platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"
#include "colour/ColorTypes.h"
#include "pickers/HColorPicker.h"

namespace {

void BM_SelectedColorHueOnly(benchmark::State& state)
{
    THColorPicker bar;
    int r = 0;
    for (auto _ : state) {
        // full saturation and value throughout: only the hue moves
        r = (r + 1) % 256;
        bar.SetSelectedColor(RGBColor(255, std::uint8_t(r), 0));
    }
}
BENCHMARK(BM_SelectedColorHueOnly)->Unit(benchmark::kMicrosecond);

void BM_SelectedColorNewStrip(benchmark::State& state)
{
    THColorPicker bar;
    int g = 0;
    for (auto _ : state) {
        g = (g + 1) % 200;
        bar.SetSelectedColor(RGBColor(255, std::uint8_t(g), std::uint8_t(g / 2)));
    }
}
BENCHMARK(BM_SelectedColorNewStrip)->Unit(benchmark::kMicrosecond);

void BM_Paint(benchmark::State& state)
{
    THColorPicker bar;
    bar.SetBorderStyle(TqvTrackBarPicker::bsSingle);
    bar.SetBevelOuter(TqvTrackBarPicker::bvLowered);
    QImage target(bar.size(), QImage::Format_RGB32);
    int h = 0;
    for (auto _ : state) {
        h = (h + 7) % 361;
        bar.SetHue(h);
        bar.render(&target);
    }
}
BENCHMARK(BM_Paint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
