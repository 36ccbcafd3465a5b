// Cost of resolving the program's folders: done at start-up, at each help
// click, settings read or write and file dialog. The second figure shows it
// stays linear in a crafted XDG_DATA_DIRS of N entries.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "settings/AppPaths.h"

namespace {

// An install prefix, so that every data folder is listed.
const std::string& InstalledExecutable() {
  static QTemporaryDir prefix;
  static const std::string exe = [] {
    QDir(prefix.path()).mkpath(QStringLiteral("bin"));
    QDir(prefix.path()).mkpath(QStringLiteral("share/huebrook"));
    return prefix.path().toStdString() + "/bin/huebrook";
  }();
  return exe;
}

void BM_ResolveInstalled(benchmark::State& state) {
  const hb::TPathEnvironment env{"/root", "", "", ""};
  for (auto _ : state) benchmark::DoNotOptimize(hb::ResolveProgramFolders(env, InstalledExecutable()));
}
BENCHMARK(BM_ResolveInstalled)->Unit(benchmark::kMicrosecond);

void BM_ResolveLongDataDirs(benchmark::State& state) {
  std::string dirs;
  for (int i = 0; i < state.range(0); ++i) dirs += "/opt/d" + std::to_string(i) + "/share:";
  const hb::TPathEnvironment env{"/root", "", dirs, ""};
  for (auto _ : state) benchmark::DoNotOptimize(hb::ResolveProgramFolders(env, InstalledExecutable()));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ResolveLongDataDirs)->RangeMultiplier(10)->Range(10, 100000)->Complexity()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
