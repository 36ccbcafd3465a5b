// The palette editor with long lists: loading an N-colour palette file into
// the shown editor (the dialog answered through its seam) and saving N
// colours, each for N = 1,000 to 100,000 so that the growth shows; the same
// for GIMP palettes opened and exported, and the largest GIMP palette the
// reader takes (8 MB of the shortest colour lines), with the peak memory.
//
// Runs offscreen: ./bench_editor

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <sys/resource.h>

#include "app/AppStyle.h"
#include "collections/GimpPalette.h"
#include "editor/EditorItems.h"
#include "editor/frmEditor.h"
#include "platform/FileDialogs.h"

namespace {

QTemporaryDir& Dir() {
  static QTemporaryDir dir;
  return dir;
}

std::vector<tColors> Colours(int n) {
  std::vector<tColors> items;
  items.reserve(std::size_t(n));
  for (int i = 0; i < n; ++i) items.push_back({"色 " + std::to_string(i), i % 256, (i / 256) % 256, 255 - i % 256});
  return items;
}

// A palette file of n colours as the editor writes it.
std::string PaletteFile(int n) {
  const std::string path = Dir().filePath(QStringLiteral("load-%1.hb").arg(n)).toStdString();
  std::ifstream exists(path);
  if (!exists) hb::SavePaletteEntries(path, Colours(n));
  return path;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;
}

void LoadInto(benchmark::State& state, const std::string& path) {
  hb::ScopedFileDialogs dialogs;
  TfrmEditor editor;
  editor.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    dialogs.dialogs.pathAnswers = {path};
    editor.btnLoadPlugInClick(nullptr);
  }
  state.counters["colours"] = double(editor.EditorItems.size());
  state.counters["peak_MB"] = PeakMegabytes();
}

void BM_EditorLoad(benchmark::State& state) {
  const int n = int(state.range(0));
  LoadInto(state, PaletteFile(n));
  if (state.counters["colours"].value != n) state.SkipWithError("not every colour loaded");
  state.SetComplexityN(n);
}
BENCHMARK(BM_EditorLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_EditorSave(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::vector<tColors> items = Colours(n);
  const std::string path = Dir().filePath(QStringLiteral("save-%1.hb").arg(n)).toStdString();
  for (auto _ : state) hb::SavePaletteEntries(path, items, [] { QCoreApplication::processEvents(); });
  state.SetComplexityN(n);
}
BENCHMARK(BM_EditorSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A GIMP palette of n named colours as GIMP writes it.
std::string GplFile(int n) {
  const std::string path = Dir().filePath(QStringLiteral("load-%1.gpl").arg(n)).toStdString();
  std::ifstream exists(path);
  if (!exists) hb::ExportGplEntries(path, "bench", Colours(n));
  return path;
}

// The most colours a GIMP palette under the reader's size limit can hold:
// nameless "0 0 0" lines, each named by its hex code when read.
std::string WorstGplFile() {
  const std::string path = Dir().filePath(QStringLiteral("worst.gpl")).toStdString();
  std::ifstream exists(path);
  if (!exists) {
    std::string text = "GIMP Palette\n";
    while (text.size() + 6 <= hb::kMaxGplFileBytes) text += "0 0 0\n";
    std::ofstream(path, std::ios::binary) << text;
  }
  return path;
}

void BM_EditorLoadGpl(benchmark::State& state) {
  const int n = int(state.range(0));
  LoadInto(state, GplFile(n));
  state.SetComplexityN(n);
}
BENCHMARK(BM_EditorLoadGpl)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// Last of the loads: the peak memory it reports is the program's worst case.
void BM_EditorLoadGplWorst(benchmark::State& state) { LoadInto(state, WorstGplFile()); }
BENCHMARK(BM_EditorLoadGplWorst)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_EditorExportGpl(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::vector<tColors> items = Colours(n);
  const std::string path = Dir().filePath(QStringLiteral("export-%1.gpl").arg(n)).toStdString();
  for (auto _ : state) hb::ExportGplEntries(path, "bench", items);
  state.SetComplexityN(n);
}
BENCHMARK(BM_EditorExportGpl)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  hb::InstallAppStyle();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
