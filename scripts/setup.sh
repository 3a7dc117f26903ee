#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Lopena need, when missing.
set -euo pipefail

# Extra packages may be named on the command line (the plot script asks for gnuplot-nox).
packages=(
  "$@"
  cmake make g++ pkg-config dpkg-dev desktop-file-utils appstream
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools qt6-charts-dev libqt6opengl6-dev
  libgtest-dev googletest libbenchmark-dev libfast-float-dev
  xvfb xauth imagemagick fonts-liberation2 locales
  emscripten chromium
  libboost-dev
  firefox-esr webkit2gtk-driver
  poppler-utils
)
# The browser tests need Node.js and npm; a machine may have its own, else Debian's.
command -v npm >/dev/null || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The browser tests' npm packages, exactly as package-lock.json pins them.
cd "$(dirname "$0")/.."
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund --silent
fi
