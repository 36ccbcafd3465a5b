// The keep list on the started main window (offscreen): building the keep
// view from a settings file of N kept colours, writing the settings file at
// close, and deleting one kept colour, at 2,500 / 5,000 / 10,000 colours to
// show that each grows linearly; and adding one colour to lists of those
// lengths, which should not grow at all.
//
//   QT_QPA_PLATFORM=offscreen ./bench_keep

#include <QDir>
#include <QProgressBar>
#include <QScrollArea>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>

#include "MainWindowBench.h"
#include "collections/KeepList.h"
#include "color/Swatches.h"
#include "collections/KeepColorText.h"
#include "collections/KeepSettings.h"
#include "settings/IniFile.h"
#include "support/PictureButton.h"

namespace {

QTemporaryDir& Folder() {
  static QTemporaryDir dir;
  return dir;
}

std::string SettingsWith(int count) {
  const std::string path = Folder().filePath(QStringLiteral("keep-%1.ini").arg(count)).toStdString();
  std::ofstream out(path, std::ios::binary);
  out << "[Keep]\r\nCount=" << count << "\r\n";
  for (int i = 0; i < count; ++i)
    out << i << '=' << hb::KeepColorText(std::uint32_t(i) * 2654435761u) << "\r\n";
  return path;
}

// A keep list on the window's own keep view, made the way the window makes it.
hb::TKeepList& List() {
  static hb::TKeepList* list = [] {
    TfrmMain* w = frmMain;
    return new hb::TKeepList(w, {w->pnlKeep, w->scbKeepWork, w->StatusProgressBar1, w->popupKeep, w->tbKeepClear},
                             *w->Swatches, [](TPictureButton*, Qt::MouseButton) {});
  }();
  return *list;
}

// Paints what is waiting to be painted now. Qt paints on a timer of its own,
// which a single processEvents right after a long step often does not reach:
// a figure without this would leave the painting out, and the next step would
// start with the last one's swatches still waiting (not where a user starts).
void PaintNow() {
  frmMain->scbKeepWork->repaint();
  QCoreApplication::processEvents();
}

// The settings file read and its swatches made, as start-up does.
void ReadSettings(const std::string& path) { List().AddAll(hb::ReadKeepTexts(hb::TIniFile(path))); }

// Start-up: the settings file read and the keep view built, all painted once.
void BM_KeepViewFromSettings(benchmark::State& state) {
  const std::string path = SettingsWith(int(state.range(0)));
  for (auto _ : state) {
    ReadSettings(path);
    PaintNow();
    state.PauseTiming();
    List().Clear();
    PaintNow();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KeepViewFromSettings)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)
    ->MinTime(2)->Complexity(benchmark::oN);

// Close: the whole keep section written as one replacement of the file.
void BM_KeepWriteAtClose(benchmark::State& state) {
  const std::string path = SettingsWith(int(state.range(0)));
  ReadSettings(path);
  for (auto _ : state) List().WriteSettings(path);
  List().Clear();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KeepWriteAtClose)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)
    ->MinTime(2)->Complexity(benchmark::oN);

// Deleting one kept colour from the middle, through the context menu's command.
void BM_KeepDeleteOne(benchmark::State& state) {
  const std::string path = SettingsWith(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    List().Clear();
    ReadSettings(path);
    PaintNow();
    TPictureButton* target = List().Buttons()[List().Buttons().size() / 2];
    // The menu's target, as a right-button release sets it (without the menu).
    List().SetTargetForTesting(target);
    state.ResumeTiming();
    List().DeleteTarget();
    PaintNow();
  }
  List().Clear();
  PaintNow();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KeepDeleteOne)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)
    ->MinTime(2)->Complexity(benchmark::oN);

// Adding the current colour to a long list ("追加"): one swatch placed, the
// ones before it untouched, whatever the list's length.
void BM_KeepAddOne(benchmark::State& state) {
  const std::string path = SettingsWith(int(state.range(0)));
  ReadSettings(path);
  PaintNow();
  for (auto _ : state) {
    List().AddColor(QColor(255, 128, 0));
    PaintNow();
    // Back to the same length for the next add.
    state.PauseTiming();
    List().SetTargetForTesting(List().Buttons().back());
    List().DeleteTarget();
    PaintNow();
    state.ResumeTiming();
  }
  List().Clear();
  PaintNow();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_KeepAddOne)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMicrosecond)
    ->MinTime(1)->Complexity(benchmark::o1);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return RunWithMainWindow(argc, argv);
}
