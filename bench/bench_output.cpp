// The hue-scheme rebuild and the colour image writers.
//
// Runs offscreen: QT_QPA_PLATFORM=offscreen ./bench_output
// Target: a rebuild of the eight intermediate swatches within 1 ms; writing
// the JPEG or the BMP file within 5 ms each. The writes go to a temporary
// folder on the disk the build is on, synced as the program syncs them.

#include <QPushButton>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "MainWindowBench.h"
#include "chart/SchemeRow.h"
#include "output/ColorImageFile.h"

namespace {

TfrmMain* Window() { return frmMain; }

void ChooseIntermediate() {
  Window()->btnHSVOption_Chuusa->click();
  QCoreApplication::processEvents();
  Window()->UpdateSchemeSwatches();
}

// One rebuild as the timer's tick runs it during a drag: the old swatches go,
// eight new ones are made at the hue the bars show now.
void BM_SchemeRebuild(benchmark::State& state) {
  ChooseIntermediate();
  int red = 0;
  for (auto _ : state) {
    state.PauseTiming();
    red = (red + 7) & 255;
    Window()->SetColors(red, 90, 200);
    state.ResumeTiming();
    Window()->UpdateSchemeSwatches();
  }
  state.counters["swatches"] = double(Window()->SchemeRow->SchemeSwatches.size());
}
BENCHMARK(BM_SchemeRebuild)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same with the window painted after each rebuild, as the user sees it.
void BM_SchemeRebuildAndPaint(benchmark::State& state) {
  ChooseIntermediate();
  int red = 0;
  for (auto _ : state) {
    red = (red + 7) & 255;
    Window()->SetColors(red, 90, 200);
    Window()->UpdateSchemeSwatches();
    Window()->repaint();
  }
}
BENCHMARK(BM_SchemeRebuildAndPaint)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_EncodeJpeg(benchmark::State& state) {
  const QImage image = hb::ColorImage(QColor(17, 201, 99));
  for (auto _ : state) benchmark::DoNotOptimize(hb::EncodeJpeg(image));
}
BENCHMARK(BM_EncodeJpeg)->Unit(benchmark::kMicrosecond);

void BM_EncodeBmp(benchmark::State& state) {
  const QImage image = hb::ColorImage(QColor(17, 201, 99));
  for (auto _ : state) benchmark::DoNotOptimize(hb::EncodeBmp(image));
}
BENCHMARK(BM_EncodeBmp)->Unit(benchmark::kMicrosecond);

// The whole write: picture, encoding, temporary file, sync, rename.
void WriteFile(benchmark::State& state, const char* name) {
  QTemporaryDir dir(QDir::currentPath() + "/bench_output-XXXXXX");
  const std::string path = dir.filePath(QString::fromUtf8(name)).toStdString();
  for (auto _ : state) hb::WriteColorImage(path, hb::ColorImage(QColor(17, 201, 99)));
}
void BM_WriteJpegFile(benchmark::State& state) { WriteFile(state, "colour.jpg"); }
void BM_WriteBmpFile(benchmark::State& state) { WriteFile(state, "colour.bmp"); }
BENCHMARK(BM_WriteJpegFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_WriteBmpFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return RunWithMainWindow(argc, argv);
}
