#!/usr/bin/env bash
# Time and peak memory of opening a crafted INI file, listing its sections and
# reading one key, each case at two sizes to show the growth. One process per
# reading (bench/ini_cases.cpp); peak memory is the process's maximum RSS, and
# "x size" is what the reading added to it, as a multiple of the file's size.
#   bench/ini_cases.sh [build folder] [seconds allowed per reading]
set -euo pipefail
build=${1:-build}
limit=${2:-600}
prog="$build/bench/ini_cases"
dir=$(mktemp -d /tmp/ini_cases.XXXXXX)
trap 'rm -rf "$dir"' EXIT

cases=(
  "keys 32768" "keys 131072"
  "sections 65536" "sections 262144"
  "brackets 10000000" "brackets 40000000"
  "random 25000000" "random 50000000"
  "palette 30000000" "palette 60000000" "palette 100000000"
  "tinykeys 13500000" "tinykeys 27000000"
  "million 500000" "million 1000000"
  "lonecr 100000" "lonecr 200000"
)
printf '%-9s %10s %9s %8s %8s %9s %8s %7s\n' case count MB seconds "CPU s" sections "peak MB" "x size"
for c in "${cases[@]}"; do
  set -- $c
  file="$dir/$1.ini"
  "$prog" make "$1" "$2" "$file"
  bytes=$(stat -c %s "$file")
  if out=$(timeout "$limit" "$prog" read "$file"); then
    read -r secs cpu names before after <<<"$out"
    awk -v c="$1" -v n="$2" -v b="$bytes" -v s="$secs" -v u="$cpu" -v k="$names" -v p0="$before" -v p1="$after" \
      'BEGIN { printf "%-9s %10s %9.1f %8.3f %8.3f %9d %8.1f %7.2f\n", c, n, b / 1e6, s, u, k, p1 / 1024, (p1 - p0) * 1024 / b }'
  else
    printf '%-9s %10s %9.1f %8s\n' "$1" "$2" "$(awk -v b="$bytes" 'BEGIN { print b / 1e6 }')" ">${limit}s"
  fi
  rm -f "$file"
done
