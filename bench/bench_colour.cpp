// Speed of the colour functions on the paths users wait for: filling the
// saturation-lightness square (256 x 256 pixels, rebuilt on every hue
// change), the hue ring's pixels, and one tooltip expansion per pointer move.
#include <benchmark/benchmark.h>

#include <vector>

#include "colour/ColorLibrary.h"

namespace {

void FillSquareScaledHSV(benchmark::State& state)
{
    SetColorScales(360, 255, 255);
    std::vector<TPixel32> buffer(256 * 256);
    int hue = 0;
    for (auto _ : state) {
        TPixel32* row = buffer.data();
        for (int i = 0; i < 256; ++i, row += 256)
            for (int j = 0; j < 256; ++j)
                row[j] = PixelFromScaledHSV(hue, j, 255 - i);
        hue = (hue + 7) % 361;
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 256 * 256);
}
BENCHMARK(FillSquareScaledHSV)->Unit(benchmark::kMicrosecond);

void FillSquareHSV(benchmark::State& state)
{
    std::vector<TPixel32> buffer(256 * 256);
    int hue = 0;
    for (auto _ : state) {
        TPixel32* row = buffer.data();
        for (int i = 0; i < 256; ++i, row += 256)
            for (int j = 0; j < 256; ++j)
                row[j] = PixelFromHSV(hue, j, 255 - i);
        hue = (hue + 7) % 361;
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 256 * 256);
}
BENCHMARK(FillSquareHSV)->Unit(benchmark::kMicrosecond);

void ExpandDefaultHintFormat(benchmark::State& state)
{
    SetColorScales(360, 255, 255);
    TColor colour = RGBColor(255, 0, 0);
    for (auto _ : state) {
        std::string text = ExpandHintFormat(DefaultHintFormat, colour);
        benchmark::DoNotOptimize(text.data());
        colour = (colour * 2654435761u) & 0xFFFFFF;
    }
}
BENCHMARK(ExpandDefaultHintFormat)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
