#!/usr/bin/env bash
# Installs what is missing, builds Huebrook and runs the whole test suite under
# Xvfb (the x11 tests need a real X server; the others run offscreen).
#   HB_BUILD_DIR   build folder (default: build)
#   HB_CMAKE_ARGS  extra arguments for cmake's configure step
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${HB_BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$build" -G Ninja ${HB_CMAKE_ARGS:-}
cmake --build "$build"

cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j2
