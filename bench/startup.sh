#!/usr/bin/env bash
# Whole-program start-up under Xvfb, side by side with an empty Qt window (the
# baseline for the program's own work) and, when given, a second build of the
# program: interleaved rounds, each starting every program once in turn.
# Every program runs with every feature present: the shipped palettes beside
# it and a keep list of 100 colours in its settings file, each from a folder
# of its own so that no run touches the build.
#   bench/startup.sh [build-dir] [rounds] [other-build-dir]
# Prints every run, then for each program the distribution of its splash's
# first paint, its main window mapped and painted, its peak memory and the
# first openings of the palette selector and of the editor; last, the work
# beyond the splash's 500 ms pause against the empty window, round by round.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${2:-10}
other=${3:-}
cmake --build "$build" --target huebrook startup_probe empty_window >/dev/null
[ -n "$other" ] && cmake --build "$other" --target huebrook >/dev/null

stage=$(mktemp -d /tmp/hb-startup.XXXXXX)
trap 'rm -rf "$stage"' EXIT
# A program in a folder of its own with the palettes its build made and 100 kept colours.
stage_program() {
  local from=$1 to=$stage/$2
  mkdir -p "$to"
  cp "$from/src/app/huebrook" "$to/"
  cp "$from"/src/app/*.hb "$to/"
  {
    printf '[Keep]\r\nCount=100\r\n'
    for i in $(seq 0 99); do printf '%d=%02X%02X%02X\r\n' "$i" $((i * 2)) $((255 - i)) $((i * 37 % 256)); done
  } >"$to/huebrook.ini"
  echo "$to/huebrook"
}
programs=("$stage/empty/empty_window" "$(stage_program "$build" this)")
mkdir -p "$stage/empty" && cp "$build/bench/empty_window" "$stage/empty/"
[ -n "$other" ] && programs+=("$(stage_program "$other" other)")

echo "palettes beside each program: $(ls "$stage/this"/*.hb | wc -l); kept colours: 100"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/startup_probe" "$rounds" "${programs[@]}" | tee "$stage/out"
# Start-up pauses 500 ms on purpose (the splash); the rest is work.
awk -v empty="${programs[0]}" '
  function sort(a, n,   i, j, t) { for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t } }
  $1 == "round" { painted[$3, $2] = $9 }
  $1 == "median" && $2 == empty { e = $6 }
  $1 == "median" && $2 != empty { p[$2] = $6; s[$2] = $4; names[++n] = $2 }
  END {
    for (i = 1; i <= n; i++) {
      name = names[i]; k = 0
      for (key in painted) {
        split(key, part, SUBSEP)
        if (part[1] == name && painted[empty, part[2]] > 0) r[++k] = (painted[key] - 500) / painted[empty, part[2]]
      }
      sort(r, k)
      printf "%s\n  work beyond the 500 ms pause: %.1f ms = %.2f x the empty window (%.1f ms); splash first paint %.2f x\n",
             name, p[name] - 500, (p[name] - 500) / e, e, s[name] / e
      printf "  the same ratio round by round: median %.2f, min %.2f, q1 %.2f, q3 %.2f, max %.2f\n",
             r[int((k + 1) / 2)], r[1], r[int(k / 4) + 1], r[k - int(k / 4)], r[k]
      delete r
    }
  }' "$stage/out"
