#!/usr/bin/env bash
# Installs what is missing, builds, and opens the bundled sample report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
sample=samples/sample.vrd
if [ -x build/app/vrdview ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/app/vrdview "$sample"
fi
[ -x build/app/vrdview ] && echo "No display: showing the sample report with vrdtool instead." >&2
exec build/tools/vrdtool/vrdtool show "$sample"
