// Palettes: the start-up search of a large folder, loading a palette file as
// start-up does (status text and pending messages per colour), and building
// the palette view. Run offscreen (QT_QPA_PLATFORM=offscreen) and under Xvfb.

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QScrollArea>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "MainWindowBench.h"
#include "support/ProcessPending.h"
#include "collections/PaletteFile.h"
#include "collections/SidePanel.h"
#include "support/ProcessPending.h"
#include "support/FindFile.h"

namespace {

const std::string& TempFolder() {
  static const std::string* dir = [] {
    char templ[] = "/tmp/bench_palettes.XXXXXX";
    if (!::mkdtemp(templ)) std::abort();
    std::atexit([] { [[maybe_unused]] const int rc = std::system(("rm -rf " + TempFolder()).c_str()); });
    return new std::string(templ);
  }();
  return *dir;
}

// 10,000 files, one in a hundred a palette.
const std::string& BigFolder() {
  static const std::string folder = [] {
    const std::string f = TempFolder() + "/many/";
    ::mkdir(f.c_str(), 0755);
    for (int i = 0; i < 10000; ++i)
      std::ofstream(f + "file" + std::to_string(i) + (i % 100 == 0 ? ".hb" : ".txt")) << "x";
    return f;
  }();
  return folder;
}

std::string PaletteFile(int colours) {
  static std::map<int, std::string> made;
  std::string& path = made[colours];
  if (path.empty()) {
    path = TempFolder() + "/palette" + std::to_string(colours) + ".hb";
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < colours; ++i)
      out << "[Colour " << i << "]\r\nR=" << i % 256 << "\r\nG=" << i * 7 % 256 << "\r\nB=" << i * 13 % 256
          << "\r\n";
  }
  return path;
}

void BM_SearchFolder(benchmark::State& state) {
  const std::string folder = BigFolder();
  TFindFile find;
  find.FolderName = folder;
  find.FileMask = {"*.hb"};
  find.IsFindSub = false;
  int found = 0;
  for (auto _ : state) found = find.Execute();
  state.counters["found"] = found;
  state.SetLabel("10,000 entries, ProcessPending per entry");
}
BENCHMARK(BM_SearchFolder)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// As start-up loads it: a status text and pending messages for every colour.
void BM_LoadPalette(benchmark::State& state) {
  const std::string path = PaletteFile(int(state.range(0)));
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  const std::string name = path.substr(folder.size());
  std::string status;
  for (auto _ : state) {
    std::vector<TPalletData> list;
    hb::AppendPalette(list, name, folder, [&](const std::string& s) {
      status = s;
      hb::ProcessPending();
    });
    benchmark::DoNotOptimize(list);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadPalette)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// The view of n items, built as a choice in the selector builds it, and painted.
void BM_ShowPallet(benchmark::State& state) {
  TfrmMain* w = frmMain;
  const std::string name = "bench" + std::to_string(state.range(0));
  auto& list = w->SidePanel->PalletList;
  TPalletData p{name, {}};
  for (int i = 0; i < state.range(0); ++i) p.Items.push_back({"Colour " + std::to_string(i), i % 256, 7, 9});
  list.push_back(std::move(p));
  w->cmbPalletSelect->addItem(QString::fromStdString(name), QVariant::fromValue(qulonglong(list.size() - 1)));
  w->cmbPalletSelect->setCurrentIndex(w->cmbPalletSelect->count() - 1);
  for (auto _ : state) {
    w->cmbPalletSelectChange(w->cmbPalletSelect);
    QCoreApplication::processEvents();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ShowPallet)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

int main(int argc, char** argv) { return RunWithMainWindow(argc, argv); }
