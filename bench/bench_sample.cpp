// Screen sampling on a real X server (run under xvfb-run): the cost of one
// sample (pixel read plus the colour refresh it drives), and how many samples
// a burst of the 1 ms sampler actually takes per second and how much of one
// core this process spends on it, with the window repainting as it does for
// the user, once without a hue scheme and once with the intermediate one
// (eight swatches rebuilt as the colour changes), and with that scheme and
// the magnifier beside the cursor (the 15 x 15 square read at each sample),
// at one pixel and at the 5 x 5 area.
// Target: >= 900 samples/s at <= 40 % of a core with the intermediate scheme,
// the magnifier shown or not.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_sample

#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "MainWindowBench.h"
#include "color/ColorVision.h"
#include "capture/CaptureBurst.h"
#include "capture/FrameThrottle.h"
#include "capture/Magnifier.h"
#include "capture/PickingLens.h"
#include "capture/ScreenColorPicker.h"

namespace {

TfrmMain* Window() { return frmMain; }

// CPU time of the whole process (all its threads), in seconds.
double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void ChooseScheme(QPushButton* option) {
  option->click();
  QCoreApplication::processEvents();
}

void BM_OneSample(benchmark::State& state) {
  for (auto _ : state) Window()->abfColorPicker1Timer(nullptr);
}
BENCHMARK(BM_OneSample)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same with the magnifier shown: the 15 x 15 square read instead of one
// pixel, and handed to the magnifier (which paints at the frames).
void BM_OneSampleMagnified(benchmark::State& state) {
  hb::TPickingLens& lens = *Window()->PickingLens;
  lens.Begin();
  for (auto _ : state) Window()->abfColorPicker1Timer(nullptr);
  lens.End();
}
BENCHMARK(BM_OneSampleMagnified)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One frame of the magnifier: moved one pixel, its picture rebuilt and painted
// on the screen (what each display frame of a drag costs it).
void BM_MagnifierFrame(benchmark::State& state) {
  hb::TMagnifier& magnifier = Window()->PickingLens->Magnifier();
  hb::TPixelSquare square{15, std::vector<std::uint32_t>(225, 0x336699)};
  magnifier.ShowSquare(QPoint(300, 300), square, 3, 0x336699);
  int x = 0;
  for (auto _ : state) {
    x = (x + 1) % 200;
    magnifier.move(313 + x, 313);
    magnifier.repaint();
    QCoreApplication::processEvents();
  }
  magnifier.HideNow();
}
BENCHMARK(BM_MagnifierFrame)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

// A drag held for one second across the HSV chart, so that nearly every
// sample brings a new colour: the pointer moves one column every 2 ms and the
// burst is renewed as each move would renew it. The second passes in the
// event loop, as in the program (a polling loop here would count its own
// spinning as the program's CPU time).
void BurstRate(benchmark::State& state, QPushButton* option, int magnifiedArea = 0) {
  ChooseScheme(option);
  hb::TPickingLens& lens = *Window()->PickingLens;
  if (magnifiedArea) {
    lens.SetArea(magnifiedArea);
    lens.Begin();
  }
  const QPoint chart = Window()->imgHSV->mapToGlobal(QPoint(0, 200));
  for (auto _ : state) {
    int column = 0;
    QTimer mover;
    mover.setTimerType(Qt::PreciseTimer);
    mover.setInterval(2);
    QObject::connect(&mover, &QTimer::timeout, [&] {
      column = (column + 1) % 361;
      QCursor::setPos(chart + QPoint(column, 0));
      Window()->imgHSVMouseMove(nullptr, Qt::LeftButton, 0, 0);
    });
    QEventLoop loop;
    QTimer::singleShot(1000, Qt::PreciseTimer, &loop, &QEventLoop::quit);

    const int before = Window()->RefreshCount();
    const double cpuBefore = ProcessCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    Window()->StartScreenPick(false);
    mover.start();
    loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    state.counters["samples_per_s"] = (Window()->RefreshCount() - before) / seconds;
    state.counters["cpu_percent"] = 100.0 * (ProcessCpuSeconds() - cpuBefore) / seconds;
    mover.stop();
    Window()->TimMouseDounTimer(nullptr);
    QCoreApplication::processEvents();
  }
  if (magnifiedArea) {
    lens.End();
    lens.SetArea(1);
  }
}
// One display frame inside a burst with the intermediate scheme: the row
// rebuilt and the window painted after a sample changed the colour. The
// sampler cannot tick while a frame runs, so this bounds the burst's rate.
void BM_BurstFrame(benchmark::State& state) {
  ChooseScheme(Window()->btnHSVOption_Chuusa);
  Window()->StartScreenPick(false);
  // The samples are taken here, the frames given here.
  Window()->abfColorPicker1->SetEnabled(false);
  Window()->TimMouseDoun->SetEnabled(false);
  hb::TTimer& frames = Window()->CaptureBurst->Frames().FrameTimer();
  const int period = frames.Interval();
  frames.SetInterval(0);
  int red = 0;
  for (auto _ : state) {
    state.PauseTiming();
    red = (red + 7) & 255;
    Window()->SetColors(red, 90, 200);
    Window()->timOptionPanelTimer(nullptr);
    QCoreApplication::processEvents();
    state.ResumeTiming();
    Window()->CaptureBurst->Frames().Frame();
  }
  frames.SetInterval(period);
  Window()->TimMouseDounTimer(nullptr);
}
BENCHMARK(BM_BurstFrame)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

void BM_BurstRate(benchmark::State& state) { BurstRate(state, Window()->btnHSVOption_None); }
void BM_BurstRateIntermediate(benchmark::State& state) { BurstRate(state, Window()->btnHSVOption_Chuusa); }
BENCHMARK(BM_BurstRate)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_BurstRateIntermediate)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
void BM_BurstRateMagnifier(benchmark::State& state) { BurstRate(state, Window()->btnHSVOption_Chuusa, 1); }
void BM_BurstRateMagnifier5x5(benchmark::State& state) { BurstRate(state, Window()->btnHSVOption_Chuusa, 5); }
BENCHMARK(BM_BurstRateMagnifier)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_BurstRateMagnifier5x5)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();

// The same bursts and frame with a colour-vision simulation painting the swatches.
void WithSimulation(benchmark::State& state, void (*run)(benchmark::State&)) {
  Window()->SetColorVision(hb::TColorVision::Deutan);
  run(state);
  Window()->SetColorVision(hb::TColorVision::Normal);
}
void BM_BurstFrameSimulated(benchmark::State& state) { WithSimulation(state, BM_BurstFrame); }
void BM_BurstRateSimulated(benchmark::State& state) { WithSimulation(state, BM_BurstRateIntermediate); }
BENCHMARK(BM_BurstFrameSimulated)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_BurstRateSimulated)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return RunWithMainWindow(argc, argv); }
