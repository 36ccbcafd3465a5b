#pragma once
// main() for benchmarks that need the started main window: makes the
// application and the window, shows it, then runs the registered benchmarks.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/AppStyle.h"
#include "app/frmMain.h"

inline int RunWithMainWindow(int argc, char** argv) {
  QApplication app(argc, argv);
  hb::InstallAppStyle();
  TfrmMain window;
  window.show();
  QCoreApplication::processEvents();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
