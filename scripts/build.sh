#!/usr/bin/env bash
# Configures and builds the program, the command-line tool and the tests in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVRD_BUILD_GUI=ON >/dev/null
cmake --build build -j "$(nproc)"
