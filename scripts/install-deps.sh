#!/usr/bin/env bash
# Installs the Debian packages Kinvale needs to build, test and run, when any is missing.
# Usage: scripts/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-svg-dev                 # the family chart's SVG export
  qt6-image-formats-plugins   # TIFF, WebP and other picture formats for photos
  qt6-qpa-plugins
  libbenchmark-dev
  xvfb xauth                  # running the GUI without a display
  libgedcom-perl              # Gedcom.pm, the GEDCOM 5.5 validator the export tests run
  librsvg2-bin                # rendering the application icon's PNG sizes
  desktop-file-utils appstream man-db groff-base   # checking the menu entry, metadata, man pages
  dpkg-dev file               # cpack -G DEB: the package's library dependencies
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
