#!/usr/bin/env bash
# Writes the seed corpora in fuzz/corpus/<target>/: short generated reports and their .vrd files,
# and the small hand-made files of the format's edge cases. The seeds are kept in the repository;
# run this only to remake them. Usage: fuzz/make_corpus.sh PATH/TO/vrdgen
set -euo pipefail
export LC_ALL=C
vrdgen="$1"
corpus="$(cd "$(dirname "$0")" && pwd)/corpus"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Generated: an hour boundary in daylight (chart labels), gaps, carriage returns.
"$vrdgen" --minutes 12 --start "12/05/2011 10:55" --gap-probability 0 \
  --txt "$work/day.txt" --vrd "$work/day.vrd"
"$vrdgen" --minutes 12 --seed 5 --gap-probability 0.3 --start "12/05/2011 10:55" \
  --txt "$work/gaps.txt" --vrd "$work/gaps.vrd"
"$vrdgen" --minutes 6 --crlf --start "12/05/2011 17:05" --txt "$work/crlf.txt" --vrd "$work/crlf.vrd"
tr '\n' '\r' <"$work/day.txt" >"$work/cr-only.txt"
sed 's/<  64 dBA/<  6O dBA/' "$work/day.txt" >"$work/level-6O.txt"
sed 's/<  64 dBA/< 2.5 dBA/; s/<  67 dBA/< 2.6 dBA/' "$work/day.txt" >"$work/fractions.txt"
sed 's/<  86 dBA/< 999 dBA/' "$work/day.txt" >"$work/level-999.txt"

# The worked examples of the code and the limits of table and code words.
printf 'ab@x1011' >"$work/ab-x1011.vrd"
printf 'ab@x00' >"$work/ab-x00.vrd"
printf 'ab@x10' >"$work/ab-x10.vrd"
printf 'ab@x001' >"$work/ab-x001.vrd"
printf '@x11' >"$work/empty-table.vrd"
printf '@' >"$work/at-only.vrd"
table="$(printf '%s' "$(seq 1 255 | awk '{ printf "%c", ($1 == 64 ? 65 : $1) }')")"
{ printf '\000%s@x' "$table"; head -c 255 /dev/zero | tr '\0' '0'; printf '11'; } \
  >"$work/table-256-word-255.vrd"
{ printf 'ab@x1'; head -c 256 /dev/zero | tr '\0' '0'; printf '11'; } >"$work/word-256.vrd"
{ head -c 257 /dev/zero | tr '\0' 'z'; printf '@x11'; } >"$work/no-at-in-257.vrd"

rm -rf "$corpus"
mkdir -p "$corpus"/{fuzz_decode,fuzz_parse,fuzz_csv,fuzz_chart,fuzz_show,fuzz_analysis}
cp "$work"/*.vrd "$corpus/fuzz_decode/"
for target in fuzz_parse fuzz_csv; do
  cp "$work"/*.txt "$corpus/$target/"
done
cp "$work"/day.vrd "$work"/gaps.vrd "$work"/crlf.vrd "$work"/ab-x1011.vrd "$work"/word-256.vrd \
  "$work"/day.txt "$work"/level-6O.txt "$work"/crlf.txt "$corpus/fuzz_show/"

# The chart reads only the records of the 1-minute section.
for name in day gaps crlf; do
  awk '/^1 minute/ { on = 1; next } on && length($0) < 15 { exit }
       on && (substr($0, 23, 3) == "Leq" || substr($0, 23, 3) == "   ") { print }' \
    "$work/$name.txt" >"$corpus/fuzz_chart/$name.txt"
done

# The analysis reads the same records, and the same bytes as a marks file.
cp "$corpus/fuzz_chart/gaps.txt" "$corpus/fuzz_analysis/gaps.txt"
printf '2011-05-12T14:00/2011-05-12T16:30 rain\r\n# a comment\n\n2011-05-13T07:00/2011-05-13T12:00\troad works\n' \
  >"$corpus/fuzz_analysis/exclusions.txt"
# Records, a form feed, and a marks file of every kind.
{
  cat "$corpus/fuzz_analysis/gaps.txt"
  printf '\f# the fan\nsource 2011-05-12T10:57/2011-05-12T11:02 the fan\r\n'
  printf 'residual 2011-05-12T10:55/2011-05-12T10:57\nexclude 2011-05-12T11:04/2011-05-12T11:05 rain\n'
  printf '2011-05-12T11:05/2011-05-12T11:06\n'
} >"$corpus/fuzz_analysis/marks.txt"
{
  printf '01/01/0001 - 00:00    Leq <  40 dBA\n31/12/9999 - 23:59    Leq <  70 dBA\n'
  printf '12/05/2011 - 10:00    Leq <  70 dBA\n12/05/2011 - 10:00    Leq <  71 dBA\n'
  printf '12/05/2011 - 10:01                  \n'
} >"$corpus/fuzz_analysis/far-apart.txt"

# A meter's CSV exports of levels, hand-made: each dialect, notes above the header, the refusals.
csv="$corpus/fuzz_levels_csv"
mkdir -p "$csv"
printf 'Time,LAeq,LA90\n2025-03-22 00:00:00,45.3,40.1\n2025-03-22 00:00:01,46.0,40.2\n2025-03-22 00:00:03,44.8,\n' \
  >"$csv/comma.csv"
printf '\357\273\277Date;Heure;LAeq (dB);LAF90\r\n22/03/2025;00:00:00,000;45,3;40,1\r\n22/03/2025;00:00:00,100;46,0;40\r\n22/03/2025;00:00:00,200;abc;40\r\n' \
  >"$csv/semicolon-bom.csv"
printf 'Instrument\tMeter\nTime\t"Leq\nA"\tLAFmax\tLAeq 63Hz\n2025-03-22T00:01\t45\t60\t50\n2025-03-22T00:00\t46\t60\t50\n2025-03-22T00:00\t47\t60\t50\n' \
  >"$csv/tab-notes.csv"
printf 'Dur\351e;LAeq;Temp (\260C)\n22.03.2025 00:00:00;45,3;12\n22.03.2025 00:00:01;250;12\n' >"$csv/latin1.csv"
printf 'Time;LAeq;LAeq,1s\n2025-03-22 00:00:00;45;46\n2025-03-22 00:00:00;45;46\n' >"$csv/ambiguous-equal-times.csv"
printf 'Time;LAeq\n' >"$csv/header-only.csv"
