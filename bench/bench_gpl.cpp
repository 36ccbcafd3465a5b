// GIMP palettes and contrast: reading a .gpl should grow linearly with its
// lines (10,000 to 100,000 colours, and an 8 MB file of lines that are all
// skipped); the contrast texts run on every colour refresh.

#include <benchmark/benchmark.h>

#include <string>

#include "collections/GimpPalette.h"
#include "color/Contrast.h"

namespace {

std::string Palette(int lines) {
  std::string text = "GIMP Palette\r\nName: big\r\nColumns: 16\r\n#\r\n";
  for (int i = 0; i < lines; ++i)
    text += std::to_string(i % 256) + " \t" + std::to_string(i / 256 % 256) + "  7\tcolour " + std::to_string(i) + "\r\n";
  return text;
}

void BM_ParseGpl(benchmark::State& state) {
  const std::string text = Palette(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(hb::ParseGpl(text));
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseGpl)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The largest file read: 8 MB of out-of-range colour lines.
void BM_ParseGplSkipped(benchmark::State& state) {
  std::string text = "GIMP Palette\n";
  while (text.size() < hb::kMaxGplFileBytes - 32) text += "999 999 999999999999999999999 x\n";
  for (auto _ : state) benchmark::DoNotOptimize(hb::ParseGpl(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseGplSkipped)->Unit(benchmark::kMillisecond);

void BM_FormatGpl(benchmark::State& state) {
  const auto palette = hb::ParseGpl(Palette(100000));
  for (auto _ : state) benchmark::DoNotOptimize(hb::FormatGpl(*palette));
}
BENCHMARK(BM_FormatGpl)->Unit(benchmark::kMillisecond);

void BM_ContrastPanelText(benchmark::State& state) {
  std::uint8_t v = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hb::ContrastPanelText({v, std::uint8_t(v * 3), std::uint8_t(v * 7)}));
    ++v;
  }
}
BENCHMARK(BM_ContrastPanelText);

} // namespace

BENCHMARK_MAIN();
