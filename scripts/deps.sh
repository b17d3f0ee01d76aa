#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need, when any is missing.
# With --list it prints them instead, one a line (scripts/check-deps.sh reads them so).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config time file
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n
  libgtest-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev libxlsxwriter-dev zlib1g-dev
  clang libclang-rt-14-dev clang-format
  locales poppler-utils unzip xvfb xauth fonts-dejavu-core fonts-liberation2 fonts-comic-neue desktop-file-utils dpkg-dev
)

if [ "${1:-}" = --list ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
    || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
