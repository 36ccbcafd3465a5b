#!/usr/bin/env bash
# Whole-program start-up under Xvfb: time until the main window is mapped and
# painted, and peak memory, over several runs; then the same for an empty Qt
# window in the same X server, the baseline for the program's own work.
#   bench/startup.sh [build-dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-10}
cmake --build "$build" --target huebrook startup_probe empty_window >/dev/null
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  probe=$1 program=$2 empty=$3 runs=$4
  echo "== huebrook (with the palettes beside it: $(ls "$(dirname "$program")"/*.hb 2>/dev/null | wc -l))"
  "$probe" "$program" "$runs" | tee /tmp/startup-program.$$
  echo "== empty Qt window"
  "$probe" "$empty" "$runs" | tee /tmp/startup-empty.$$
  p=$(sed -n "s/^median: .*painted \([0-9.]*\) ms.*/\1/p" /tmp/startup-program.$$)
  e=$(sed -n "s/^median: .*painted \([0-9.]*\) ms.*/\1/p" /tmp/startup-empty.$$)
  rm -f /tmp/startup-program.$$ /tmp/startup-empty.$$
  # Start-up pauses 500 ms on purpose (the splash); the rest is work.
  awk -v p="$p" -v e="$e" "BEGIN { printf \"work beyond the 500 ms pause: %.1f ms = %.2f x the empty window (%.1f ms)\\n\", p - 500, (p - 500) / e, e }"
' _ "$build/bench/startup_probe" "$build/src/app/huebrook" "$build/bench/empty_window" "$runs"
