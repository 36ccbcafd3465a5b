// Cost of one colour conversion. Each benchmark walks a table of varied inputs
// so branches and rounding see realistic data, not one folded constant.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "color/ColorConvert.h"
#include "collections/PaletteFile.h"
#include "color/NameIndex.h"
#include "color/Perceptual.h"

namespace {

constexpr std::size_t kCount = 4096;  // power of two: index wraps with a mask

struct Inputs {
  std::vector<std::array<int, 3>> rgb;
  std::vector<std::array<double, 3>> hsv;
  std::vector<std::array<double, 4>> cmyk;
  std::vector<std::string> hex;
};

const Inputs& TheInputs() {
  static const Inputs in = [] {
    Inputs r;
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> byte(0, 255), hue(0, 359), pct(0, 100), len(0, 1);
    for (std::size_t i = 0; i < kCount; ++i) {
      const int R = byte(gen), G = byte(gen), B = byte(gen);
      r.rgb.push_back({R, G, B});
      // Positions of the HSV controls, as the main window passes them.
      r.hsv.push_back({double(hue(gen)), pct(gen) / 100.0, pct(gen) / 100.0});
      r.cmyk.push_back({double(byte(gen)), double(byte(gen)), double(byte(gen)), double(byte(gen))});
      r.hex.push_back(len(gen) ? hb::HexColorText(R, G, B).substr(0, 2) : "$" + hb::HexColorText(R, G, B).substr(2, 4));
    }
    return r;
  }();
  return in;
}

void BM_RGBToHSV(benchmark::State& state) {
  const auto& in = TheInputs().rgb;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in[i++ & (kCount - 1)];
    hb::THSVColor hsv{0, 0, 0};
    hb::TColorConvert::RGBToHSV(c[0], c[1], c[2], hsv);
    benchmark::DoNotOptimize(hsv);
  }
}
BENCHMARK(BM_RGBToHSV);

void BM_HSVToRGB(benchmark::State& state) {
  const auto& in = TheInputs().hsv;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in[i++ & (kCount - 1)];
    benchmark::DoNotOptimize(hb::TColorConvert::HSVToRGB(c[0], c[1], c[2]));
  }
}
BENCHMARK(BM_HSVToRGB);

void BM_RGBToCMYK(benchmark::State& state) {
  const auto& in = TheInputs().rgb;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in[i++ & (kCount - 1)];
    benchmark::DoNotOptimize(hb::TColorConvert::RGBToCMYK(c[0], c[1], c[2]));
  }
}
BENCHMARK(BM_RGBToCMYK);

void BM_CMYKToRGB(benchmark::State& state) {
  const auto& in = TheInputs().cmyk;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in[i++ & (kCount - 1)];
    benchmark::DoNotOptimize(hb::TColorConvert::CMYKToRGB(c[0], c[1], c[2], c[3]));
  }
}
BENCHMARK(BM_CMYKToRGB);

void BM_HexToInt(benchmark::State& state) {
  const auto& in = TheInputs().hex;
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(hb::HexToInt(in[i++ & (kCount - 1)]));
}
BENCHMARK(BM_HexToInt);

void BM_HexColorText(benchmark::State& state) {
  const auto& in = TheInputs().rgb;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in[i++ & (kCount - 1)];
    benchmark::DoNotOptimize(hb::HexColorText(c[0], c[1], c[2]));
  }
}
BENCHMARK(BM_HexColorText);

void BM_SRGBToOKLab(benchmark::State& state) {
  const auto& in = TheInputs().rgb;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in[i++ & (kCount - 1)];
    benchmark::DoNotOptimize(hb::SRGBToOKLab(c[0], c[1], c[2]));
  }
}
BENCHMARK(BM_SRGBToOKLab);

void BM_SRGBToLabD50(benchmark::State& state) {
  const auto& in = TheInputs().rgb;
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in[i++ & (kCount - 1)];
    benchmark::DoNotOptimize(hb::SRGBToLabD50(c[0], c[1], c[2]));
  }
}
BENCHMARK(BM_SRGBToLabD50);

void BM_DeltaE2000(benchmark::State& state) {
  const auto& in = TheInputs().rgb;
  std::vector<hb::TLab> labs;
  for (const auto& c : in) labs.push_back(hb::SRGBToLabD50(c[0], c[1], c[2]));
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++;
    benchmark::DoNotOptimize(hb::DeltaE2000(labs[k & (kCount - 1)], labs[(k + 1) & (kCount - 1)]));
  }
}
BENCHMARK(BM_DeltaE2000);

// Every 8-bit sRGB colour to OKLab and back, rounded to bytes: "lost" counts
// the colours that do not come back as themselves.
void BM_OKLabRoundTripAll(benchmark::State& state) {
  long lost = 0;
  for (auto _ : state) {
    lost = 0;
    for (int rgb = 0; rgb < 1 << 24; ++rgb) {
      const int R = rgb >> 16, G = (rgb >> 8) & 255, B = rgb & 255;
      const hb::TSRGBFloat back = hb::OKLabToSRGB(hb::SRGBToOKLab(R, G, B));
      if (std::lround(back.R * 255) != R || std::lround(back.G * 255) != G || std::lround(back.B * 255) != B)
        ++lost;
    }
  }
  state.counters["lost"] = double(lost);
  state.counters["colours"] = double(1 << 24);
}
BENCHMARK(BM_OKLabRoundTripAll)->Unit(benchmark::kMillisecond)->Iterations(1);

// The nearest of N named colours (random, as palettes of that size would be)
// to each of a table of colours, through the index and by comparing every
// name. "compared" counts the CIEDE2000 differences the index worked out.
std::vector<hb::TNamedColor> RandomNames(std::size_t n) {
  std::mt19937 gen(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::vector<hb::TNamedColor> names;
  for (std::size_t i = 0; i < n; ++i)
    names.push_back({"name" + std::to_string(i),
                     {std::uint8_t(byte(gen)), std::uint8_t(byte(gen)), std::uint8_t(byte(gen))}});
  return names;
}

void BM_NearestName(benchmark::State& state) {
  const hb::TNameIndex index(RandomNames(std::size_t(state.range(0))));
  const Inputs& in = TheInputs();
  std::size_t i = 0, compared = 0;
  for (auto _ : state) {
    const auto& c = in.rgb[i++ & (kCount - 1)];
    benchmark::DoNotOptimize(index.Nearest({std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2])}));
    compared += index.LastCompared();
  }
  state.counters["compared"] = double(compared) / double(state.iterations());
}
BENCHMARK(BM_NearestName)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_NearestNameBruteForce(benchmark::State& state) {
  const std::vector<hb::TNamedColor> names = RandomNames(std::size_t(state.range(0)));
  std::vector<hb::TLab> labs;
  for (const auto& n : names) labs.push_back(hb::SRGBToLabD65(n.Color.R, n.Color.G, n.Color.B));
  const Inputs& in = TheInputs();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& c = in.rgb[i++ & (kCount - 1)];
    const hb::TLab q = hb::SRGBToLabD65(c[0], c[1], c[2]);
    long double best = INFINITY;
    for (const hb::TLab& lab : labs) best = std::min(best, hb::DeltaE2000(q, lab));
    benchmark::DoNotOptimize(best);
  }
}
BENCHMARK(BM_NearestNameBruteForce)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Building the index: 614 is the shipped palettes' count (216 + 148 + 250).
void BM_NameIndexBuild(benchmark::State& state) {
  const std::vector<hb::TNamedColor> names = RandomNames(std::size_t(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(hb::TNameIndex(names));
}
BENCHMARK(BM_NameIndexBuild)->Arg(614)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The start-up's index of the shipped palettes, as the build writes them
// beside the program (build/src/app): the named colours picked out of the
// palettes read, and the index made of them.
void BM_NameIndexShipped(benchmark::State& state) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "src" / "app";
  std::vector<TPalletData> palettes;
  for (const char* name : {"Webセーフカラー.hb", "CSSカラー名.hb", "日本の伝統色.hb"})
    palettes.push_back({name, hb::ReadPaletteFile((folder / name).string())});
  std::size_t names = 0;
  for (auto _ : state) {
    const hb::TNameIndex index(hb::NamedColorsOf(palettes));
    names = index.Size();
    benchmark::DoNotOptimize(names);
  }
  state.counters["names"] = double(names);
  if (names == 0) state.SkipWithError("no shipped palettes beside the program");
}
BENCHMARK(BM_NameIndexShipped)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
