#!/usr/bin/env bash
# huebrook --pick from its start to the magnifier painted beside the cursor,
# side by side with an empty Qt window mapped and painted: interleaved
# rounds (startup_probe), then the ratio of the medians.
#   bench/pick_startup.sh [build-dir] [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-10}
cmake --build "$build" --target huebrook startup_probe empty_window >/dev/null
stage=$(mktemp -d /tmp/hb-pick.XXXXXX)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/empty" "$stage/pick"
cp "$build/bench/empty_window" "$stage/empty/"
cp "$build/src/app/huebrook" "$stage/pick/"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/startup_probe" "$rounds" \
  "$stage/empty/empty_window" "$stage/pick/huebrook --pick" | tee "$stage/out"
awk '$1 == "median" { for (i = 2; i < NF; i++) if ($i == "painted") painted[++n] = $(i + 1) }
     END { printf "huebrook --pick: magnifier painted in %.1f ms = %.2f x the empty window (%.1f ms)\n",
                  painted[2], painted[2] / painted[1], painted[1] }' "$stage/out"
