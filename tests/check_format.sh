#!/usr/bin/env bash
# Fails when a C++ file of the source tree differs from .clang-format, naming the file and the line.
set -euo pipefail
clang_format="$1"
cd "$2"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
"$clang_format" --dry-run --Werror "${files[@]}"
echo "format ok: ${#files[@]} files"
