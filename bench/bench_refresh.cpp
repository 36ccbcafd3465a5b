// The main window's colour refresh, as a track-bar drag drives it: one full
// refresh of the twenty controls, the hexadecimal text, the swatch and the
// status panel per position, over all 256 positions of a bar.
//
// Runs offscreen: QT_QPA_PLATFORM=offscreen ./bench_refresh

#include <benchmark/benchmark.h>
#include <chrono>

#include "MainWindowBench.h"

namespace {

TfrmMain* Window() { return frmMain; }

// One refresh per iteration; the painting Qt does afterwards is not counted.
void BM_RefreshPerPosition(benchmark::State& state) {
  hb::TTrackBar* bar = Window()->TrackBar_Red;
  int position = 0;
  for (auto _ : state) {
    position = (position + 1) & 255;
    bar->setValue(position);
  }
  state.SetLabel("TrackBar_Red drag");
}
BENCHMARK(BM_RefreshPerPosition)->Repetitions(9)->ReportAggregatesOnly(true);

// The same drag through the hue bar, whose refresh also converts HSV to RGB.
void BM_RefreshHue(benchmark::State& state) {
  hb::TTrackBar* bar = Window()->TrackBar_H;
  Window()->SetColors(200, 60, 60);
  int position = 0;
  for (auto _ : state) {
    position = (position + 1) % 360;
    bar->setValue(position);
  }
}
BENCHMARK(BM_RefreshHue)->Repetitions(9)->ReportAggregatesOnly(true);

// A whole drag over 256 positions with the window repainting after each
// position, as it does when the user drags (each position's events handled).
void BM_DragWithPainting(benchmark::State& state) {
  hb::TTrackBar* bar = Window()->TrackBar_Blue;
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (int position = 0; position < 256; ++position) {
      bar->setValue(position);
      QCoreApplication::processEvents();
    }
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  state.counters["us_per_position"] = seconds * 1e6 / (256.0 * double(state.iterations()));
}
BENCHMARK(BM_DragWithPainting)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return RunWithMainWindow(argc, argv);
}
