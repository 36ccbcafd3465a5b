#!/usr/bin/env bash
# Installs every Debian 12 package Huebrook needs to build, test, benchmark and fuzz.
# As root it runs apt-get; otherwise it prints the command to run.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libjpeg62-turbo-dev libfontconfig-dev
  libx11-dev libxfixes-dev libxtst-dev libxi-dev
  libbenchmark-dev
  fonts-ipafont-gothic qt6-translations-l10n qt6-l10n-tools
  xvfb xauth x11-utils imagemagick
  dbus-daemon dbus-session-bus-common
  clang libclang-rt-14-dev
  desktop-file-utils appstream dpkg-dev file shared-mime-info
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "Some packages are missing. Run as root:"
  echo "  $cmd"
  exit 1
fi
