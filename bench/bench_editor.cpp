// The palette editor with long lists: loading an N-colour palette file into
// the shown editor (the dialog answered through its seam) and saving N
// colours, each for N = 1,000 to 100,000 so that the growth shows.
//
// Runs offscreen: ./bench_editor

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>

#include "app/AppStyle.h"
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
  if (!exists) hb::SavePalletEntries(path, Colours(n));
  return path;
}

void BM_EditorLoad(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::string path = PaletteFile(n);
  hb::ScopedFileDialogs dialogs;
  TfrmEditor editor;
  editor.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    dialogs.dialogs.pathAnswers = {path};
    editor.btnLoadPlugInClick(nullptr);
    if (editor.EditorItems.size() != std::size_t(n)) state.SkipWithError("not every colour loaded");
  }
  state.SetComplexityN(n);
  state.counters["colours"] = n;
}
BENCHMARK(BM_EditorLoad)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_EditorSave(benchmark::State& state) {
  const int n = int(state.range(0));
  const std::vector<tColors> items = Colours(n);
  const std::string path = Dir().filePath(QStringLiteral("save-%1.hb").arg(n)).toStdString();
  for (auto _ : state) hb::SavePalletEntries(path, items, [] { QCoreApplication::processEvents(); });
  state.SetComplexityN(n);
}
BENCHMARK(BM_EditorSave)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

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
