// Drawing the HSV chart into its 361 x 256 image, as start-up does once.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "chart/HSVColorChart.h"
#include "support/Controls.h"

namespace {

void BM_DrawChart(benchmark::State& state) {
  hb::TImage image(nullptr);
  image.resize(361, 256);
  for (auto _ : state) {
    image.SetPicture(QImage());  // a fresh bitmap each time, as at start-up
    THSVColorChart::DrawChart(&image);
    benchmark::DoNotOptimize(image.Picture().constBits());
  }
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
