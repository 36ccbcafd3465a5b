// INI layer: reading a large palette file (100,000 sections, about 10 MB, and
// its quarter and half to show the growth), listing and looking up every
// section, and writing 10,000 keys in one batch.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

#include "text/CodePage.h"
#include "settings/IniFile.h"

namespace {

const std::string& TempFolder() {
  // Never destroyed: the clean-up at exit still needs it.
  static const std::string* dir = [] {
    char templ[] = "/tmp/bench_ini.XXXXXX";
    if (!::mkdtemp(templ)) std::abort();
    std::atexit([] {
      [[maybe_unused]] const int rc = std::system(("rm -rf " + TempFolder()).c_str());
    });
    return new std::string(templ);
  }();
  return *dir;
}

// N sections of about 100 bytes each: a 75-byte name and the keys R, G and B.
std::string PaletteBytes(int sections, bool japanese) {
  std::string out;
  out.reserve(std::size_t(sections) * 104);
  const std::string filler = japanese ? "空色と夕焼けのあいだの少し淡い色合い" : "colour from the spring collection, pale";
  for (int i = 0; i < sections; ++i) {
    std::string name = "Palette entry " + std::to_string(1000000 + i).substr(1) + " " + filler;
    if (!japanese) name.resize(75);
    out += "[" + name + "]\r\nR=" + std::to_string(i % 256) + "\r\nG=" + std::to_string(i * 7 % 256) +
           "\r\nB=" + std::to_string(i * 13 % 256) + "\r\n";
  }
  if (japanese) out = *hb::Utf8ToCp932(out);
  return out;
}

std::string PaletteFile(int sections, bool japanese = false) {
  static std::map<std::pair<int, bool>, std::string> made;
  auto& path = made[{sections, japanese}];
  if (path.empty()) {
    path = TempFolder() + "/palette_" + std::to_string(sections) + (japanese ? "_sjis" : "") + ".hb";
    std::ofstream(path, std::ios::binary) << PaletteBytes(sections, japanese);
  }
  return path;
}

void SetBytes(benchmark::State& state, const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  state.SetBytesProcessed(state.iterations() * std::int64_t(in.tellg()));
  state.counters["MB"] = double(in.tellg()) / 1e6;
}

void BM_OpenFile(benchmark::State& state) {
  const std::string path = PaletteFile(int(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    hb::TIniFile ini(path);
    benchmark::DoNotOptimize(&ini);
  }
  SetBytes(state, path);
}

// What loading a palette does: every section name, then R, G and B of each.
void BM_OpenAndReadAll(benchmark::State& state) {
  const std::string path = PaletteFile(int(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    hb::TIniFile ini(path);
    std::int64_t sum = 0;
    for (const std::string& name : ini.ReadSections())
      sum += ini.ReadInteger(name, "R", 0) + ini.ReadInteger(name, "G", 0) + ini.ReadInteger(name, "B", 0);
    benchmark::DoNotOptimize(sum);
  }
  SetBytes(state, path);
}

// 10,000 keys into one section in one batch: of a new file, and of the large
// file (whose whole 10 MB is then written out).
void BM_Write10000Keys(benchmark::State& state) {
  const int sections = int(state.range(0));
  const std::string source = sections ? PaletteFile(sections) : std::string();
  const std::string path = TempFolder() + "/written.ini";
  std::string bytes;
  if (sections) {
    std::ifstream in(source, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  for (auto _ : state) {
    state.PauseTiming();
    if (sections) std::ofstream(path, std::ios::binary) << bytes;
    else ::unlink(path.c_str());
    state.ResumeTiming();
    hb::TIniFile ini(path);
    hb::TIniFile::Batch batch(ini);
    ini.WriteInteger("Keep", "Count", 10000);
    for (int i = 0; i < 10000; ++i) ini.WriteString("Keep", std::to_string(i), "0080FF");
    batch.Commit();
  }
}

} // namespace

BENCHMARK(BM_OpenFile)->ArgsProduct({{25000, 50000, 100000}, {0}})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndReadAll)->ArgsProduct({{25000, 50000, 100000}, {0}})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write10000Keys)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
