#!/usr/bin/env bash
# Crash safety of the settings file: the program, copied into a scratch
# folder, is killed (SIGKILL) at random moments of its close, again and again;
# the settings file must always be whole, the old one or the new one.
#   bench/keep_crash.sh [build-dir] [closes] [kept colours] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
closes=${2:-1000}
kept=${3:-1000}
seed=${4:-20261208}
cmake --build "$build" --target huebrook keep_crash_probe >/dev/null
work=$(mktemp -d)
cp "$build/src/app/huebrook" "$work/"
if xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/keep_crash_probe" "$work/huebrook" "$closes" "$kept" "$seed"; then
  rm -rf "$work"
else
  echo "kept for inspection: $work"
  exit 1
fi
