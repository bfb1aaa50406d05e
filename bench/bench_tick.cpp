// The two 25 ms ticks of the main window against the real screen. Run under
// an X server (Xvfb): DISPLAY=:99 build/bench/bench_tick
#include <QApplication>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include "bench/BenchMain.h"
#include "app/HuelarkMain.h"
#include "platform/ScreenSource.h"
#include "platform/SettingsStore.h"

namespace {

TMainForm* gForm = nullptr;

void UseMethod(int method)
{
    platform::SettingsKey key;
    key.Open(kSettingsKey, true);
    key.WriteInteger(kMethodValue, method);
}

void BM_SamplerTick(benchmark::State& state)
{
    // The stored method is read at creation: make a window per method.
    UseMethod(int(state.range(0)));
    TMainForm form;
    form.PickTmr->stop();
    form.Timer1->stop();
    form.PFSBtnClick(); // picking: the editor follows as well
    form.releaseMouse();
    for (auto _ : state)
        form.PickTmrTimer();
}
BENCHMARK(BM_SamplerTick)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_ZoomTick(benchmark::State& state)
{
    gForm->Slider->setValue(int(state.range(0)));
    for (auto _ : state)
        gForm->Timer1Timer();
}
BENCHMARK(BM_ZoomTick)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    TMainForm form;
    form.PickTmr->stop();
    form.Timer1->stop();
    form.move(600, 400);
    form.show();
    QApplication::processEvents();
    gForm = &form;
    return RunBenchmarks(argc, argv);
}
