// Cost of the hexagon picker's hot paths at the main window's size: the
// SelectedColor write the sampler makes 40 times a second (search plus full
// render), an intensity change (cell tables rebuilt, honeycomb recoloured),
// the paint that blits the picture, and a resize (geometry caches rebuilt).
#include "bench/BenchMain.h"
#include "pickers/HexaColorPicker.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

std::unique_ptr<THexaColorPicker> MainWindowPicker()
{
    auto p = std::make_unique<THexaColorPicker>();
    p->resize(257, 305);
    p->show();
    QApplication::processEvents();
    return p;
}

void BM_HexaSelectedColorWrite(benchmark::State& state)
{
    auto picker = MainWindowPicker();
    // Honeycomb cells, grey cells and colours no cell has, as a sampler sees.
    const std::array<TColor, 8> colours = {picker->HexCombs()[16].Color, 0x123456, picker->HexCombs()[90].Color,
                                           0xE1E1E1, 0x00FF00, 0xFFFFFF, 0x7F3F1F, picker->HexCombs()[126].Color};
    std::size_t i = 0;
    for (auto _ : state) {
        picker->SetSelectedColor(colours[i++ % colours.size()]);
        benchmark::DoNotOptimize(picker->SelectedCode());
    }
}
BENCHMARK(BM_HexaSelectedColorWrite);

void BM_HexaIntensityChange(benchmark::State& state)
{
    auto picker = MainWindowPicker();
    picker->SetSelectedColor(picker->HexCombs()[40].Color);
    int v = 50;
    for (auto _ : state) {
        v = v == 50 ? 51 : 50;
        picker->SetIntensity(v);
        benchmark::DoNotOptimize(picker->SelectedColor());
    }
}
BENCHMARK(BM_HexaIntensityChange);

void BM_HexaPaint(benchmark::State& state)
{
    auto picker = MainWindowPicker();
    for (auto _ : state)
        picker->repaint();
}
BENCHMARK(BM_HexaPaint);

void BM_HexaResize(benchmark::State& state)
{
    auto picker = MainWindowPicker();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        picker->resize(wide ? 258 : 257, 305);
        benchmark::DoNotOptimize(picker->Radius());
    }
}
BENCHMARK(BM_HexaResize);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
