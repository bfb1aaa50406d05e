// Screen reads as the sampler and the zoom view make them, against a real X
// server: run under Xvfb (or any X display) with the xcb platform, e.g.
//   DISPLAY=:40 QT_QPA_PLATFORM=xcb bench_screen
#include "bench/BenchMain.h"
#include "platform/QtScreenSource.h"
#include "platform/X11ScreenSource.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

platform::X11ScreenSource& X11()
{
    static platform::X11ScreenSource source;
    return source;
}

// Somewhere inside the screen, away from the edges.
const QPoint kAt(400, 300);

void BM_X11CursorPos(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(X11().CursorPos());
}
BENCHMARK(BM_X11CursorPos);

void BM_X11Pixel(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(X11().Pixel(kAt));
}
BENCHMARK(BM_X11Pixel);

void BM_X11Block(benchmark::State& state)
{
    const int n = int(state.range(0));
    std::vector<TColor> out(std::size_t(n * n));
    for (auto _ : state) {
        X11().Block(kAt - QPoint(n / 2, n / 2), n, out.data());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_X11Block)->Arg(3)->Arg(5);

// A block at the top-left corner: clipped, so a smaller request.
void BM_X11BlockAtCorner(benchmark::State& state)
{
    std::vector<TColor> out(25);
    for (auto _ : state) {
        X11().Block(QPoint(-2, -2), 5, out.data());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_X11BlockAtCorner);

void BM_X11Grab(benchmark::State& state)
{
    const QSize size(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage img = X11().Grab(QRect(kAt, size));
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_X11Grab)->Args({44, 28})->Args({12, 8});

void BM_QScreenGrabWindow(benchmark::State& state)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    for (auto _ : state) {
        QPixmap p = screen->grabWindow(0, kAt.x(), kAt.y(), 44, 28);
        benchmark::DoNotOptimize(p.cacheKey());
    }
}
BENCHMARK(BM_QScreenGrabWindow);

void BM_QtSourceBlock5(benchmark::State& state)
{
    platform::QtScreenSource source;
    std::vector<TColor> out(25);
    for (auto _ : state) {
        source.Block(kAt - QPoint(2, 2), 5, out.data());
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_QtSourceBlock5);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !X11().Connected()) {
        std::fprintf(stderr, "bench_screen needs an X display and the xcb platform\n");
        return 1;
    }
    return RunBenchmarks(argc, argv);
}
