#!/usr/bin/env bash
# Whole-program start-up under Xvfb: time until the main window is mapped and
# painted, and peak memory, over several runs.
#   bench/startup.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
cmake --build "$build" --target huebrook startup_probe >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/startup_probe" "$build/src/app/huebrook" "$runs"
