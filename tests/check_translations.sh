#!/usr/bin/env bash
# Every text of the analysis window and its report has its French: the translation file, brought
# up to date with the sources in a copy, holds no unfinished or empty translation.
#   check_translations.sh LUPDATE PROJECT_JSON TS_FILE
set -euo pipefail
lupdate="$1"
project="$2"
ts="$3"
copy="$(mktemp --suffix=.ts)"
trap 'rm -f "$copy"' EXIT
cp "$ts" "$copy"
"$lupdate" -project "$project" -ts "$copy" -no-obsolete -locations none >/dev/null
missing="$(grep -c -E 'type="unfinished"|<translation></translation>' "$copy" || true)"
if [ "$missing" != 0 ]; then
  echo "$ts: $missing texts without their French (run the vrd_language_lupdate target):"
  grep -B3 -E 'type="unfinished"|<translation></translation>' "$copy" | grep '<source>' | head -40
  exit 1
fi
if ! cmp -s "$ts" "$copy"; then
  echo "$ts: not up to date with the sources (run the vrd_language_lupdate target)"
  diff "$ts" "$copy" | head -40
  exit 1
fi
echo "every text has its French"
