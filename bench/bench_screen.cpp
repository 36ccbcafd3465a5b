// Cost of the screen services on a real X server. Run under
//   xvfb-run -a -s "-screen 0 1280x1024x24" ./bench_screen
// Qt's screen grab is measured beside ours for comparison.

#include <benchmark/benchmark.h>

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "platform/ScreenX11.h"

namespace {

hb::TScreenX11& Real() {
  static hb::TScreenX11 screen;
  return screen;
}

bool Ready(benchmark::State& state) {
  if (Real().IsOpen()) return true;
  state.SkipWithError("no X display");
  return false;
}

void BM_PixelAt(benchmark::State& state) {
  if (!Ready(state)) return;
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Real().PixelAt(QPoint(i & 1023, (i >> 3) & 1023)));
    ++i;
  }
}
BENCHMARK(BM_PixelAt)->Unit(benchmark::kMicrosecond);

// What a sampling tick does: ask where the pointer is, read that pixel.
void BM_PixelUnderCursor(benchmark::State& state) {
  if (!Ready(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(Real().PixelUnderCursor());
}
BENCHMARK(BM_PixelUnderCursor)->Unit(benchmark::kMicrosecond);

void BM_QtGrabOnePixel(benchmark::State& state) {
  QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return state.SkipWithError("no screen");
  for (auto _ : state) {
    const QPoint p = QCursor::pos();
    benchmark::DoNotOptimize(s->grabWindow(0, p.x(), p.y(), 1, 1).toImage().pixel(0, 0));
  }
}
BENCHMARK(BM_QtGrabOnePixel)->Unit(benchmark::kMicrosecond);

void BM_CursorPos(benchmark::State& state) {
  if (!Ready(state)) return;
  for (auto _ : state) benchmark::DoNotOptimize(Real().CursorPos());
}
BENCHMARK(BM_CursorPos)->Unit(benchmark::kMicrosecond);

void BM_CopyPrimaryScreen(benchmark::State& state) {
  if (!Ready(state)) return;
  const QSize size = Real().PrimaryScreenSize();
  for (auto _ : state) benchmark::DoNotOptimize(Real().CopyPrimaryScreen());
  state.SetLabel(std::to_string(size.width()) + "x" + std::to_string(size.height()));
}
BENCHMARK(BM_CopyPrimaryScreen)->Unit(benchmark::kMillisecond);

void BM_QtGrabWholeScreen(benchmark::State& state) {
  QScreen* s = QGuiApplication::primaryScreen();
  if (!s) return state.SkipWithError("no screen");
  for (auto _ : state) benchmark::DoNotOptimize(s->grabWindow(0).toImage());
}
BENCHMARK(BM_QtGrabWholeScreen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  QGuiApplication app(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
