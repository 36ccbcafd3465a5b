// The hue-scheme rebuild and the colour image writers.
//
// Runs offscreen: QT_QPA_PLATFORM=offscreen ./bench_output
// Target: a rebuild of the eight intermediate swatches within 1 ms; writing
// the JPEG or the BMP file within 5 ms each. The writes go to a temporary
// folder on the disk the build is on, synced as the program syncs them.
//
// BM_WritePhases splits one write into its phases (counters in ms): encode,
// write (leftover scan, temporary file created and filled), sync (the
// temporary file's flush to the disk, close) and rename (rename over the old
// file, flush of the folder). It writes in /tmp and in the current folder
// (the work disk), back to back and spaced 50 ms apart as a user's saves are;
// back to back, each flush also waits for the journal work of the one before.
// The sync phases depend on everything else written to the disk meanwhile
// (a journal commit carries other programs' data too): run it on a quiet
// machine for the program's own figures.

#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

#include "MainWindowBench.h"
#include "chart/SchemeRow.h"
#include "color/CurrentColor.h"
#include "output/ColorImageFile.h"
#include "output/ColorImageFormat.h"
#include "settings/IniFile.h"

namespace {

TfrmMain* Window() { return frmMain; }

void ChooseIntermediate() {
  Window()->btnHSVOption_Chuusa->click();
  QCoreApplication::processEvents();
  Window()->UpdateSchemeSwatches();
}

// One rebuild as the timer's tick runs it outside a burst: the old swatches
// go, eight new ones are made at the hue the bars show now. Inside a burst
// (a drag) the frame recolours the eight in place instead.
void FollowColour(benchmark::State& state, bool inPlace) {
  ChooseIntermediate();
  int red = 0;
  for (auto _ : state) {
    state.PauseTiming();
    red = (red + 7) & 255;
    Window()->SetColors(red, 90, 200);
    state.ResumeTiming();
    if (inPlace)
      Window()->SchemeRow->Recolor(Window()->CurrentColor->TrackBarHSV());
    else
      Window()->UpdateSchemeSwatches();
  }
  state.counters["swatches"] = double(Window()->SchemeRow->SchemeSwatches.size());
}
void BM_SchemeRebuild(benchmark::State& state) { FollowColour(state, false); }
void BM_SchemeRecolorInBurst(benchmark::State& state) { FollowColour(state, true); }
BENCHMARK(BM_SchemeRebuild)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SchemeRecolorInBurst)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

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

// One write, phase by phase, through the program's own path: the stage hook
// of the atomic write marks the end of writing and of syncing.
void WritePhases(benchmark::State& state, const QString& folder, const char* name, bool spaced, int others = 0) {
  QTemporaryDir dir(folder + "/bench_output-XXXXXX");
  // Other files in the folder, as in a folder of pictures: the write looks
  // through the folder for temporary files that killed writers left.
  for (int i = 0; i < others; ++i) {
    QFile other(dir.filePath(QStringLiteral("photo-%1.jpg").arg(i)));
    other.open(QIODevice::WriteOnly);
  }
  const std::string path = dir.filePath(QString::fromUtf8(name)).toStdString();
  const QImage image = hb::ColorImage(QColor(17, 201, 99));
  const bool jpeg = hb::ImageFormatForFileName(path) == hb::TImageFileFormat::Jpeg;
  QElapsedTimer clock;
  qint64 written = 0, synced = 0;
  hb::SetIniWriteHook([&](hb::TIniWriteStage stage, std::size_t) {
    if (stage == hb::TIniWriteStage::Written) written = clock.nsecsElapsed();
    if (stage == hb::TIniWriteStage::Synced) synced = clock.nsecsElapsed();
  });
  double encode = 0, write = 0, sync = 0, rename = 0;
  for (auto _ : state) {
    if (spaced) {
      state.PauseTiming();
      QThread::msleep(50);
      state.ResumeTiming();
    }
    clock.start();
    const std::string bytes = jpeg ? hb::EncodeJpeg(image) : hb::EncodeBmp(image);
    const qint64 encoded = clock.nsecsElapsed();
    hb::WriteFileAtomically(path, bytes);
    const qint64 done = clock.nsecsElapsed();
    encode += double(encoded);
    write += double(written - encoded);
    sync += double(synced - written);
    rename += double(done - synced);
  }
  hb::SetIniWriteHook(nullptr);
  const double n = double(state.iterations()) * 1e6;
  state.counters["encode_ms"] = encode / n;
  state.counters["write_ms"] = write / n;
  state.counters["sync_ms"] = sync / n;
  state.counters["rename_ms"] = rename / n;
}
void BM_WritePhases(benchmark::State& state) {
  const bool tmp = state.range(0) == 0;
  const bool jpeg = state.range(1) == 0;
  const bool spaced = state.range(2) == 1;
  state.SetLabel(std::string(tmp ? "/tmp " : "work disk ") + (jpeg ? "jpg" : "bmp") + (spaced ? " spaced" : ""));
  WritePhases(state, tmp ? QDir::tempPath() : QDir::currentPath(), jpeg ? "colour.jpg" : "colour.bmp", spaced);
}
BENCHMARK(BM_WritePhases)
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40)
    ->UseRealTime();

void BM_WriteJpegAmong10000Files(benchmark::State& state) {
  WritePhases(state, QDir::currentPath(), "colour.jpg", true, 10000);
}
BENCHMARK(BM_WriteJpegAmong10000Files)->Unit(benchmark::kMillisecond)->Iterations(20)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  return RunWithMainWindow(argc, argv);
}
