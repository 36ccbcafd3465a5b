#!/usr/bin/env bash
# Installs what is missing, builds Huebrook and starts it.
# Without a display it runs the program under Xvfb, saves a screenshot of the
# started main window to huebrook-screenshot.png (or $HB_SCREENSHOT) and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${HB_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target huebrook
program="$build/src/app/huebrook"

if [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi

shot=${HB_SCREENSHOT:-$PWD/huebrook-screenshot.png}
echo "No display: running under Xvfb and saving a screenshot to $shot"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  program=$1 shot=$2
  "$program" & pid=$!
  # Wait until the main window (672 x 671) is mapped, then let it paint.
  for _ in $(seq 1 200); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Huebrook\".*672x671"; then break; fi
    sleep 0.05
  done
  sleep 0.5
  import -window root "$shot"
  kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$program" "$shot"
echo "Saved $shot"
