#!/usr/bin/env bash
# Crash safety of the palette editor's save: 1,000 saves of a 1,000-colour
# palette, the saving process killed with SIGKILL at random moments. After
# each kill the file must be whole and hold either the last version reported
# saved or the one being saved (renamed into place just before the kill).
#   bench/editor_crash.sh [BUILD_DIR] [SAVES]
set -euo pipefail
build=${1:-build}
saves=${2:-1000}
tool="$build/bench/editor_save_loop"
[ -x "$tool" ] || { echo "build $tool first" >&2; exit 1; }

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/palette.hb"
"$tool" save "$file" 0 1 >/dev/null   # version 0 to start from

next=1 kills=0 torn=0 lost=0
start=$(date +%s.%N)
while [ "$next" -le "$saves" ]; do
  log="$dir/log"
  "$tool" save "$file" "$next" $((saves - next + 1)) >"$log" 2>&1 &
  pid=$!
  # A random moment within the next 0 to 40 ms.
  sleep "0.0$(printf '%02d' $((RANDOM % 40)))"
  if kill -KILL "$pid" 2>/dev/null; then kills=$((kills + 1)); fi
  wait "$pid" 2>/dev/null || true
  last=$(grep -o 'saved [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2 || true)
  last=${last:-$((next - 1))}
  if ! result=$("$tool" check "$file"); then
    echo "after a kill at save $((last + 1)): $result" >&2
    torn=$((torn + 1))
    break
  fi
  version=${result#version }
  if [ "$version" -ne "$last" ] && [ "$version" -ne $((last + 1)) ]; then
    echo "after a kill at save $((last + 1)): the file holds version $version" >&2
    lost=$((lost + 1))
    break
  fi
  next=$((version + 1))
done
end=$(date +%s.%N)
leftover=$(find "$dir" -name '.palette.hb.*.tmp' | wc -l)
echo "saves: $saves  kills: $kills  torn: $torn  lost: $lost  temporary files left by kills: $leftover"
awk -v s="$start" -v e="$end" 'BEGIN { printf "seconds: %.1f\n", e - s }'
[ "$torn" -eq 0 ] && [ "$lost" -eq 0 ]
