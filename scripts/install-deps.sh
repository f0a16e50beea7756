#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need. Run as root; safe to repeat.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  googletest libgtest-dev libgmock-dev
  libbenchmark-dev
  # Qt 6 for the raster and SVG surfaces (QtGui, QtSvg) and, later, the window.
  qt6-base-dev qt6-svg-dev libqt6svg6
  # A font with Japanese glyphs for the point labels in pictures.
  fontconfig fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
