#!/usr/bin/env bash
# Installs the build into a staging folder and checks that everything lands where it is expected.
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root="$stage/usr"

expect() { [ -e "$root/$1" ] || { echo "missing after install: $1"; exit 1; }; }
expect bin/vrdtool
expect share/man/man1/vrdtool.1
expect share/bash-completion/completions/vrdtool
"$root/bin/vrdtool" --version >/dev/null

if [ -e "$build/app/vrdview" ]; then
  expect lib/vrdview/vrdview
  expect "lib/vrdview/Images/Logo Velmar.bmp"
  expect lib/vrdview/Images/file-VRD.bmp
  [ "$(readlink -f "$root/bin/vrdview")" = "$(readlink -f "$root/lib/vrdview/vrdview")" ] \
    || { echo "bin/vrdview does not lead to the program beside its pictures"; exit 1; }
  expect share/applications/vrdview.desktop
  expect share/icons/hicolor/scalable/apps/vrdview.svg
  expect share/mime/packages/vrdview.xml
  expect share/icons/hicolor/scalable/mimetypes/application-x-vrd-analysis.svg
  grep -q 'glob pattern="\*.vrd"' "$root/share/mime/packages/vrdview.xml"
  grep -q 'glob pattern="\*.vrda"' "$root/share/mime/packages/vrdview.xml"
  grep -q '^MimeType=application/x-vrd-report;application/x-vrd-analysis;' \
    "$root/share/applications/vrdview.desktop"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/share/applications/vrdview.desktop"
  fi
fi
echo "install layout ok"
