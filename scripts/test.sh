#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole suite, the core tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="$(nproc)"

bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVRD_SANITIZE=ON -DVRD_BUILD_GUI=OFF \
  >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs")

# Each fuzz target for a bounded time under the sanitizers (20 s each, so that CI stays well
# under its budget as targets are added); any finding fails the run.
FUZZ_SECONDS="${FUZZ_SECONDS:-20}" bash scripts/fuzz.sh
