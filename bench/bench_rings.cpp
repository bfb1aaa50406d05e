// The HSL ring picker as the main window drives it: one SelectedColor write
// per sampler tick on the 264 x 268 composite of the "Circle" page.
#include "bench/BenchMain.h"
#include "colour/ColorLibrary.h"
#include "pickers/HSLRingPicker.h"

#include <QApplication>
#include <QResizeEvent>
#include <QWindow>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<THSLRingPicker> MakeComposite()
{
    auto picker = std::make_unique<THSLRingPicker>();
    picker->setGeometry(9, 21, 264, 268);
    picker->SetShowHint(true);
    picker->SetRingPickerHintFormat(TqvCustomPicker::DefaultHintFormat());
    picker->SetSLPickerHintFormat(TqvCustomPicker::DefaultHintFormat());
    picker->show();
    // Paints happen only once the window is exposed.
    for (int i = 0; i < 1000 && !(picker->windowHandle() && picker->windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
    return picker;
}

// Every write has a hue the square does not have yet, so its gradient is
// rebuilt (the ring only repaints).
void BM_SelectedColorNewHue(benchmark::State& state)
{
    auto picker = MakeComposite();
    int hue = 0;
    for (auto _ : state) {
        hue = (hue + 7) % 360;
        picker->SetSelectedColor(ColorFromHSV(hue, 200, 220));
        benchmark::DoNotOptimize(picker->SelectedColor());
    }
}
BENCHMARK(BM_SelectedColorNewHue)->Unit(benchmark::kMicrosecond);

// The pointer resting on one colour: the same value every tick.
void BM_SelectedColorSameColour(benchmark::State& state)
{
    auto picker = MakeComposite();
    const TColor c = RGBColor(200, 100, 50);
    picker->SetSelectedColor(c);
    for (auto _ : state) {
        picker->SetSelectedColor(c);
        benchmark::DoNotOptimize(picker->SelectedColor());
    }
}
BENCHMARK(BM_SelectedColorSameColour)->Unit(benchmark::kMicrosecond);

// A write with a new hue followed by a full paint of the control: ring
// background, band blit, hue line, square copy and marker. Painted through a
// grab, so the figure also holds a pixmap allocation: an upper bound.
void BM_SelectedColorNewHueAndPaint(benchmark::State& state)
{
    auto picker = MakeComposite();
    int hue = 0;
    for (auto _ : state) {
        hue = (hue + 7) % 360;
        picker->SetSelectedColor(ColorFromHSV(hue, 200, 220));
        benchmark::DoNotOptimize(picker->grab());
    }
}
BENCHMARK(BM_SelectedColorNewHueAndPaint)->Unit(benchmark::kMicrosecond);

// Painting the whole composite with nothing changed (a grab, as above).
void BM_CompositeRepaint(benchmark::State& state)
{
    auto picker = MakeComposite();
    picker->SetSelectedColor(RGBColor(200, 100, 50));
    for (auto _ : state)
        benchmark::DoNotOptimize(picker->grab());
}
BENCHMARK(BM_CompositeRepaint)->Unit(benchmark::kMicrosecond);

// The square alone at the composite's 128 x 128: a hue change recomputes
// its picture.
void BM_SquareHueChange(benchmark::State& state)
{
    TSLColorPicker square;
    square.resize(128, 128);
    QResizeEvent re(QSize(128, 128), QSize(255, 255));
    QApplication::sendEvent(&square, &re);
    int hue = 0;
    for (auto _ : state) {
        hue = (hue + 7) % 360;
        square.SetHue(hue);
    }
}
BENCHMARK(BM_SquareHueChange)->Unit(benchmark::kMicrosecond);

// A Value change on the standalone ring: the wheel is re-packed.
void BM_RingValueChange(benchmark::State& state)
{
    THRingPicker ring;
    ring.resize(264, 264);
    int v = 0;
    for (auto _ : state) {
        v = (v + 1) % 256;
        ring.SetValue(v);
    }
}
BENCHMARK(BM_RingValueChange)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RunBenchmarks(argc, argv);
}
