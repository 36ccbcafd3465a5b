#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of
# seconds (default 60). Corpora live in build-fuzz/corpus/<target>; crashes,
# time-outs and memory outliers make the script fail. A target's own flags
# (input size, time and memory limits) stand one a line in
# fuzz/<target>.options, its dictionary in fuzz/<target>.dict.
#   ./scripts/fuzz.sh [seconds] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

./scripts/install-deps.sh

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHB_BUILD_FUZZ=ON \
  -DHB_BUILD_TESTS=OFF -DHB_BUILD_BENCH=OFF -DHB_BUILD_APP=OFF >/dev/null
cmake --build "$build" --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(find "$build/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' -printf '%f\n' | sort)
fi

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
rm -f "$build"/crash-* "$build"/leak-* "$build"/timeout-* "$build"/oom-* "$build"/slow-unit-*
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  seeds=()
  [ -d "fuzz/seeds/$t" ] && seeds=("fuzz/seeds/$t")
  opts=()
  [ -f "fuzz/$t.options" ] && mapfile -t opts < <(grep -v '^#' "fuzz/$t.options")
  [ -f "fuzz/$t.dict" ] && opts+=("-dict=fuzz/$t.dict")
  echo "--- $t for ${seconds}s"
  log="$build/$t.log"
  status=0
  "$build/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 "${opts[@]}" \
    -artifact_prefix="$build/" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==|SUMMARY)' "$log" || true
  if [ "$status" -ne 0 ]; then
    echo "Fuzzer $t failed (exit $status); see $log"
    tail -n 40 "$log"
    exit 1
  fi
done
