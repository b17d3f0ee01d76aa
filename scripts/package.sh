#!/usr/bin/env bash
# Builds the Debian package from a Release build with stripped binaries in build-release/ and
# prints the package's path. Install it with: sudo apt-get install ./build-release/vrdview_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVRD_BUILD_GUI=ON \
  -DVRD_BUILD_TESTS=OFF >/dev/null
cmake --build build-release -j "$(nproc)" --target vrdview vrdtool
(cd build-release && cpack >/dev/null)
ls -1 "$PWD"/build-release/vrdview_*.deb
