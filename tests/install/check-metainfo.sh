#!/usr/bin/env bash
# The metainfo written with and without a home page: both pass the validator;
# the home page and its screenshot appear only when one is given; an address
# that is no web address stops the build.
#   check-metainfo.sh PACKAGING_DIR
set -euo pipefail
dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

write() {  # write OUTPUT [HOMEPAGE]
  cmake -DTEMPLATE="$dir/org.huebrook.Huebrook.metainfo.xml.in" -DOUTPUT="$1" \
        -DAPP_ID=org.huebrook.Huebrook -DVERSION=6.0.0 -DRELEASE_DATE=2026-12-08 \
        -DHOMEPAGE_URL="${2:-}" -P "$dir/Metainfo.cmake"
}

write "$out/plain.xml"
appstreamcli validate --no-net "$out/plain.xml" || fail "without a home page: appstreamcli validate"
! grep -q '<url\|<screenshot' "$out/plain.xml" || fail "a home page or screenshot named without a home page"

write "$out/web.xml" "https://colours.example.org/huebrook"
appstreamcli validate --no-net "$out/web.xml" || fail "with a home page: appstreamcli validate"
grep -q '<url type="homepage">https://colours.example.org/huebrook/</url>' "$out/web.xml" || fail "home page"
grep -q '>https://colours.example.org/huebrook/screenshots/main-window.png</image>' "$out/web.xml" || fail "screenshot"
[ -f "$dir/screenshots/main-window.png" ] || fail "no screenshot to publish in $dir/screenshots"
[ "$(identify -format '%wx%h' "$dir/screenshots/main-window.png")" = 672x671 ] || fail "screenshot size"

for bad in "file:///usr/share/huebrook/" "huebrook.org" "https:// spaced"; do
  if write "$out/bad.xml" "$bad" 2>/dev/null; then fail "accepted the home page '$bad'"; fi
done
echo "metainfo check passed"
