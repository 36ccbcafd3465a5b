#!/usr/bin/env bash
# Renders the program's pictures from their SVG sources in resources/src/ to the PNG
# files in resources/, then checks their sizes and the cursor's rules. The PNGs are
# committed, so only someone who changes a picture needs to run this (the build does not).
#   ./scripts/make-resources.sh
# Needs rsvg-convert (librsvg2-bin), ImageMagick for the checks, and the fonts that the
# splash text names (DejaVu Sans Bold, IPAPGothic); as root it installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

src=resources/src
out=resources

packages=(librsvg2-bin imagemagick fonts-dejavu-core fonts-ipafont-gothic)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
fi
# Without these fonts the splash text would silently fall back to another face.
for family in "DejaVu Sans:style=Bold" "IPAPGothic"; do
  if [ -z "$(fc-list "$family")" ]; then
    echo "Font not found: $family" >&2
    exit 1
  fi
done

# render SOURCE OUTPUT WIDTH HEIGHT
render() {
  mkdir -p "$(dirname "$2")"
  rsvg-convert --format=png --width="$3" --height="$4" "$1" -o "$2"
  local size
  size=$(identify -format '%wx%h' "$2")
  if [ "$size" != "$3x$4" ]; then
    echo "$2: expected $3x$4, got $size" >&2
    exit 1
  fi
  echo "$2 ($size)"
}

render "$src/splash.svg"            "$out/splash.png"            400 200
render "$src/icon.svg"              "$out/icon.png"              256 256
render "$src/icon-32.svg"           "$out/icon-32.png"            32  32
for name in version exit editor help save; do
  render "$src/toolbar/$name.svg"   "$out/toolbar/$name.png"      16  16
done
for name in keep open save close; do
  render "$src/editor/$name.svg"    "$out/editor/$name.png"       16  16
done
render "$src/eyedropper.svg"        "$out/eyedropper.png"         32  32
render "$src/reset.svg"             "$out/reset.png"              16  16
render "$src/cursor-eyedropper.svg" "$out/cursor-eyedropper.png"  32  32

# The desktop's icon theme: the small drawing up to 32 pixels, the large one above.
for size in 16 32 48 64 128 256; do
  source="$src/icon.svg"
  [ "$size" -le 32 ] && source="$src/icon-32.svg"
  render "$source" "$out/icons/hicolor/${size}x${size}/apps/huebrook.png" "$size" "$size"
done

# The cursor must stay a two-colour cursor: opaque black, opaque white or fully
# transparent pixels only, a black tip at the hot spot (11, 20), and no black pixel
# left of or below the tip.
convert "$out/cursor-eyedropper.png" -depth 8 txt:- | awk -F'[ ,:]+' '
  NR == 1 { next }
  {
    x = $1; y = $2; c = $0; sub(/.*#/, "", c); c = substr(c, 1, 8)
    if (c != "000000FF" && c != "FFFFFFFF" && substr(c, 7, 2) != "00") {
      printf "cursor: pixel (%d, %d) is %s, not black, white or transparent\n", x, y, c; bad = 1
    }
    if (c == "000000FF" && (x < 11 || y > 20)) {
      printf "cursor: black pixel (%d, %d) lies beyond the tip (11, 20)\n", x, y; bad = 1
    }
    if (x == 11 && y == 20) tip = c
  }
  END {
    if (tip != "000000FF") { print "cursor: the hot spot (11, 20) is not black"; bad = 1 }
    exit bad
  }' >&2

echo "Cursor checked: two colours, tip at (11, 20)."
