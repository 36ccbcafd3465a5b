// Screen sampling on a real X server (run under xvfb-run): the cost of one
// sample (pixel read plus the colour refresh it drives), and how many samples
// a burst of the 1 ms sampler actually takes per second, with the window
// repainting between them as it does for the user.
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_sample

#include <QCursor>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

#include "MainWindowBench.h"

namespace {

TfrmMain* Window() { return frmMain; }

void BM_OneSample(benchmark::State& state) {
  for (auto _ : state) Window()->abfColorPicker1Timer(nullptr);
}
BENCHMARK(BM_OneSample)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A drag held for one second across the HSV chart, so that nearly every
// sample brings a new colour and a repaint: the pointer moves one column
// every 2 ms and the burst is renewed as each move would renew it.
void BM_BurstRate(benchmark::State& state) {
  const QPoint chart = Window()->imgHSV->mapToGlobal(QPoint(0, 200));
  for (auto _ : state) {
    const int before = Window()->RefreshCount();
    QElapsedTimer clock;
    clock.start();
    Window()->StartScreenPick(false);
    qint64 lastMove = 0;
    int column = 0;
    while (clock.elapsed() < 1000) {
      if (clock.elapsed() - lastMove >= 2) {
        column = (column + 1) % 361;
        QCursor::setPos(chart + QPoint(column, 0));
        Window()->imgHSVMouseMove(nullptr, Qt::LeftButton, 0, 0);
        lastMove = clock.elapsed();
      }
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    state.counters["samples_per_s"] = (Window()->RefreshCount() - before) / seconds;
    Window()->TimMouseDounTimer(nullptr);
  }
}
BENCHMARK(BM_BurstRate)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();

} // namespace

int main(int argc, char** argv) { return RunWithMainWindow(argc, argv); }
