#!/usr/bin/env bash
# Speed and memory figures on a year-long report, each next to a plain read of the same .vrd
# measured in the same run: builds the Release benchmarks, makes the year files with vrdgen, runs
# the Google Benchmark targets with repetitions, times cat and vrdtool from outside, measures
# vrdtool's peak resident memory, and prints one table. Takes a few minutes at most.
#
#   scripts/bench.sh                 # everything
#   BENCH_REPETITIONS=3 RUNS=5 scripts/bench.sh
#
# Environment: BENCH_BUILD (build folder, default /tmp/bench-build), BENCH_REPETITIONS (of each
# benchmark, default 5), RUNS (of each outside command, default 9).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir="$PWD"
build="${BENCH_BUILD:-/tmp/bench-build}"
repetitions="${BENCH_REPETITIONS:-5}"
runs="${RUNS:-9}"

bash scripts/deps.sh # GNU time for the peak memory is among them

echo "== building the Release benchmarks in $build"
cmake -S "$source_dir" -B "$build" -G Ninja -DVRD_BUILD_GUI=OFF -DVRD_BUILD_BENCH=ON \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" --target vrd_bench vrdtool vrdgen >/dev/null

# The year files: the same seed and length as bench/year_files.h, which checks them again.
data="$build/bench/year-data"
mkdir -p "$data"
vrd="$data/year.vrd"
txt="$data/year.txt"
echo "== making the year report with vrdgen"
"$build/testkit/vrdgen" --seed 2011 --minutes 525600 --txt "$txt" --vrd "$vrd"
vrd_bytes=$(stat -c %s "$vrd")
txt_bytes=$(stat -c %s "$txt")
cat "$vrd" "$txt" >/dev/null # a warm page cache

echo "== Google Benchmark, $repetitions repetitions each (medians)"
results="$build/bench/results.csv"
VRD_BENCH_DATA="$data" "$build/bench/vrd_bench" --benchmark_repetitions="$repetitions" \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null >"$results"

# Median real time in ms of a benchmark, and its bytes per second.
median_ms() { awk -F, -v n="\"$1/real_time_median\"" '$1 == n { print $3 }' "$results"; }
median_rate() { awk -F, -v n="\"$1/real_time_median\"" '$1 == n { print $6 }' "$results"; }

echo "== outside the process, $runs runs each, interleaved (medians)"
tool="$build/tools/vrdtool/vrdtool"
declare -A samples
commands=(cat csv txt show json stats)
run_once() {
  case "$1" in
  cat) cat "$vrd" >/dev/null ;;
  csv) "$tool" csv "$vrd" -o /dev/null ;;
  txt) "$tool" txt "$vrd" >/dev/null ;;
  show) "$tool" show "$vrd" >/dev/null ;;
  json) "$tool" show --json "$vrd" >/dev/null ;;
  stats) "$tool" stats --json --threshold 85 "$vrd" >/dev/null ;;
  esac
}
for ((i = 0; i < runs; i++)); do
  for name in "${commands[@]}"; do
    start=$(date +%s%N)
    run_once "$name"
    end=$(date +%s%N)
    samples[$name]+="$(((end - start) / 1000)) "
  done
done
# Median of the samples in microseconds, printed in ms.
median_of() { tr ' ' '\n' <<<"${samples[$1]}" | grep . | sort -n | awk '{ v[NR] = $1 }
  END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'; }

peak_kib() { # the median of three runs' peak resident memory
  for _ in 1 2 3; do
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1
  done | sort -n | sed -n 2p
}
rss_show=$(peak_kib "$tool" show "$vrd")
rss_json=$(peak_kib "$tool" show --json "$vrd")
rss_stats=$(peak_kib "$tool" stats --json --threshold 85 "$vrd")
budget_kib=$(((vrd_bytes + 2 * txt_bytes) / 1024 + 100 * 1024))

plain_ms=$(median_ms BM_PlainRead)
cat_ms=$(median_of cat)

row() { printf '%-38s %-24s %11s %7s  %s\n' "$@"; }
ms() { awk -v v="$1" 'BEGIN { printf "%.1f ms", v }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
gbs() { awk -v r="$1" 'BEGIN { printf "%.2f GB/s", r / 1e9 }'; }
mbs() { awk -v r="$1" 'BEGIN { printf "%.0f MB/s", r / 1e6 }'; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "ok" : "MISSED" }'; }

echo
echo "year report: $txt_bytes bytes of text, $vrd_bytes bytes of .vrd ($vrd)"
echo "in-process figures: bench/vrd_bench (median of $repetitions); outside: median of $runs runs"
echo
row "figure" "target" "median" "ratio" "verdict"
row "plain read of the .vrd (in-process)" "baseline" "$(ms "$plain_ms")" "1.00x" ""
row "cat FILE > /dev/null" "baseline" "$(ms "$cat_ms")" "1.00x" ""
for name in BM_DecodeEncodedText BM_DecodeEncodedFile; do
  time_ms=$(median_ms $name)
  rate=$(median_rate $name)
  speed_ok=$(awk -v r="$rate" 'BEGIN { print (r >= 1e9) ? "ok" : "MISSED" }')
  row "${name#BM_}" ">= 1 GB/s, <= 3x plain" "$(gbs "$rate")" "$(ratio "$time_ms" "$plain_ms")" \
    "$speed_ok, $(verdict "$(awk -v a="$time_ms" -v b="$plain_ms" 'BEGIN { print a / b }')" 3)"
done
time_ms=$(median_ms BM_DecodeEncodedTextPlain)
row "DecodeEncodedTextPlain" "(comparison)" "$(gbs "$(median_rate BM_DecodeEncodedTextPlain)")" \
  "$(ratio "$time_ms" "$plain_ms")" ""
rate=$(median_rate BM_ParseReport)
row "ParseReport (report bytes)" ">= 200 MB/s" "$(mbs "$rate")" \
  "$(ratio "$(median_ms BM_ParseReport)" "$plain_ms")" \
  "$(awk -v r="$rate" 'BEGIN { print (r >= 2e8) ? "ok" : "MISSED" }')"
for name in BM_ReadWholeFile BM_LoadReport BM_BuildChartData BM_BuildCsvText BM_VrdtoolShow \
  BM_VrdtoolShowJson BM_VrdtoolTxt BM_VrdtoolCsv; do
  time_ms=$(median_ms $name)
  row "${name#BM_} (in-process)" "(information)" "$(ms "$time_ms")" "$(ratio "$time_ms" "$plain_ms")" ""
done
for name in csv txt; do
  time_ms=$(median_of $name)
  r=$(awk -v a="$time_ms" -v b="$cat_ms" 'BEGIN { print a / b }')
  row "vrdtool $name (outside)" "<= 4x cat" "$(ms "$time_ms")" "$(ratio "$time_ms" "$cat_ms")" \
    "$(verdict "$r" 4)"
done
row "vrdtool show (outside)" "(information)" "$(median_of show) ms" "$(ratio "$(median_of show)" "$cat_ms")" ""
row "vrdtool show --json (outside)" "(information)" "$(median_of json) ms" \
  "$(ratio "$(median_of json)" "$cat_ms")" ""
row "peak memory, vrdtool show" "<= $((budget_kib / 1024)) MiB" "$((rss_show / 1024)) MiB" \
  "$(ratio "$rss_show" "$budget_kib")" "$(verdict "$rss_show" "$budget_kib")"
row "peak memory, vrdtool show --json" "<= $((budget_kib / 1024)) MiB" "$((rss_json / 1024)) MiB" \
  "$(ratio "$rss_json" "$budget_kib")" "$(verdict "$rss_json" "$budget_kib")"

# The analysis: the whole of it after the open, a sub-range as the analysis window asks for it,
# vrdtool stats next to vrdtool show, and the memory of the series.
counter() { # a user counter of a benchmark's median row, found by its column name
  awk -F, -v n="\"$1/real_time_median\"" -v c="\"$2\"" 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == c) col = i }
    $1 == n { print $col }' "$results"; }
for name in BM_SeriesOfMinuteLines BM_Analyse BM_RangeStatisticsIndex; do
  time_ms=$(median_ms $name)
  row "${name#BM_} (in-process)" "(information)" "$(ms "$time_ms")" "$(ratio "$time_ms" "$plain_ms")" ""
done
time_ms=$(median_ms BM_AnalysisAfterOpen)
row "analysis after the open (in-process)" "< 30 ms" "$(ms "$time_ms")" \
  "$(ratio "$time_ms" "$plain_ms")" "$(verdict "$time_ms" 30)"
for name in BM_RangeFigures BM_RangeFiguresWholeYear; do
  time_us=$(median_ms $name) # these two are in microseconds
  row "${name#BM_} (in-process)" "< 1 ms" "$(awk -v v="$time_us" 'BEGIN { printf "%.1f us", v }')" \
    "" "$(verdict "$time_us" 1000)"
done
show_ms=$(median_ms BM_VrdtoolShow)
time_ms=$(median_ms BM_VrdtoolStatsJson)
row "VrdtoolStatsJson (in-process)" "<= 3x VrdtoolShow" "$(ms "$time_ms")" \
  "$(ratio "$time_ms" "$show_ms")" "$(verdict "$(awk -v a="$time_ms" -v b="$show_ms" 'BEGIN { print a / b }')" 3)"
for name in BM_VrdtoolAssessJson BM_VrdtoolAssessBackgroundJson; do
  time_ms=$(median_ms $name)
  row "${name#BM_} (in-process)" "<= 3x VrdtoolShow" "$(ms "$time_ms")" \
    "$(ratio "$time_ms" "$show_ms")" "$(verdict "$(awk -v a="$time_ms" -v b="$show_ms" 'BEGIN { print a / b }')" 3)"
done
time_ms=$(median_ms BM_AssessEmergence)
row "AssessEmergence, 500 sources (in-process)" "(information)" "$(ms "$time_ms")" \
  "$(ratio "$time_ms" "$plain_ms")" ""
# The runs above a level as the runs dialog counts them on every keystroke: well within a frame.
for name in BM_MarkedRuns BM_MarkedRunsJoined; do
  time_ms=$(median_ms $name)
  row "${name#BM_}, above 65 dB (in-process)" "< 16 ms" "$(ms "$time_ms")" \
    "$(ratio "$time_ms" "$plain_ms")" "$(verdict "$time_ms" 16)"
done
time_ms=$(median_of stats)
r=$(awk -v a="$time_ms" -v b="$(median_of show)" 'BEGIN { print a / b }')
row "vrdtool stats --json (outside)" "<= 3x vrdtool show" "$time_ms ms" \
  "$(ratio "$time_ms" "$(median_of show)")" "$(verdict "$r" 3)"
per_minute=$(counter BM_SeriesOfMinuteLines bytes_per_minute)
row "series memory per minute" "<= 8 bytes" "$(awk -v v="$per_minute" 'BEGIN { printf "%.2f B", v }')" \
  "" "$(verdict "$per_minute" 8)"
row "peak memory, vrdtool stats --json" "<= $((budget_kib / 1024)) MiB" "$((rss_stats / 1024)) MiB" \
  "$(ratio "$rss_stats" "$budget_kib")" "$(verdict "$rss_stats" "$budget_kib")"
echo
echo "ratios: times to the plain read (in-process) or to cat (outside); memory to the budget"
echo "(.vrd size + twice the report + 100 MiB). Raw benchmark figures: $results"
