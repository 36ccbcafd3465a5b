#!/usr/bin/env bash
# cmake --install into a scratch prefix: the installed files are exactly the
# expected ones plus every palette the build put beside the executable, the
# icons have their sizes, and the desktop entry and metainfo pass their
# validators.
#   check-install.sh BUILD_DIR EXPECTED_LIST EXECUTABLE_DIR
set -euo pipefail
build=$1 expected=$2 exedir=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

want=$( { cat "$expected"
          find "$exedir" -maxdepth 1 -type f -name '*.hb' -printf 'share/huebrook/%f\n'; } | LC_ALL=C sort)
have=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [ "$want" != "$have" ]; then
  diff <(echo "$want") <(echo "$have") >&2 || true
  fail "installed files differ from the list (< expected, > installed)"
fi
echo "installed files:"
echo "$have" | sed 's/^/  /'

[ -x "$prefix/bin/huebrook" ] || fail "bin/huebrook is not executable"
for size in 16 32 48 64 128 256; do
  got=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/huebrook.png")
  [ "$got" = "${size}x${size}" ] || fail "icon ${size}x${size} is $got"
done

desktop=$prefix/share/applications/org.huebrook.Huebrook.desktop
echo "desktop-file-validate:"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Exec=huebrook %f' "$desktop" || fail "Exec is not the installed program taking one file"
grep -qx 'MimeType=application/x-huebrook-palette;application/x-gimp-palette;' "$desktop" || fail "MimeType"

# The palette types: a file manager finds .hb and .gpl files (and a GIMP
# palette by its first line) to be of the types the entry opens.
echo "update-mime-database:"
mimedir=$prefix/share/mime
update-mime-database "$mimedir" || fail "update-mime-database"
grep -qx 'application/x-huebrook-palette:\*.hb' "$mimedir/globs" || fail "*.hb is not a Huebrook palette"
grep -qx 'application/x-gimp-palette:\*.gpl' "$mimedir/globs" || fail "*.gpl is not a GIMP palette"
# The window manager ties the window to the entry through WM_CLASS.
grep -qx 'StartupWMClass=huebrook' "$desktop" || fail "StartupWMClass"

echo "appstreamcli validate --no-net:"
appstreamcli validate --no-net "$prefix/share/metainfo/org.huebrook.Huebrook.metainfo.xml" \
  || fail "appstreamcli validate"
grep -q '<release version="6.0.0"' "$prefix/share/metainfo/org.huebrook.Huebrook.metainfo.xml" \
  || fail "release 6.0.0 missing from the metainfo"
echo "install check passed"
