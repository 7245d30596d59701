#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests and the demo
# need, when any of them is missing. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  qt6-base-dev qt6-image-formats-plugins
  libzint-dev libqpdf-dev qpdf libtiff-dev libtiff-tools libcups2-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation fonts-liberation2 fontconfig librsvg2-bin desktop-file-utils man-db
  xvfb xauth poppler-utils zbar-tools cups printer-driver-cups-pdf jq lintian
  at-spi2-core python3-pyatspi dbus-x11
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
