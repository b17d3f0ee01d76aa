#!/usr/bin/env bash
# The desktop program opening a year-long report: builds the Release measurement program
# bench/gui (vrd_gui_open_bench), makes the year files with vrdgen when they are missing, runs the
# program RUNS times, each in a fresh process on the offscreen platform, and prints one table of
# medians with the targets:
#   - the time from the "vrd file" command until the results window shows all seven lists,
#   - the longest time the GUI thread took no events meanwhile (a 5 ms timer's longest gap),
#   - the peak resident memory of the process against .vrd size + 2 x report size + 100 MiB,
# once for a first open and once for opening the same file again over the shown report; then the
# analysis window on the year (vrd_gui_analysis_bench): opening, the statistics of a moved
# selection, the PDF report; and marking the year (vrd_gui_marks_bench): 100 marks changed, undone
# and redone, the runs above a level marked and undone; and a month of 1-s levels from a CSV export
# (vrd_gui_csv_bench): the window opened over it, its carpet.
#
#   scripts/bench-gui.sh
#   RUNS=9 YEAR_VRD=/tmp/year.vrd scripts/bench-gui.sh
#
# Environment: BENCH_GUI_BUILD (build folder, default /tmp/bench-gui-build), RUNS (default 5),
# YEAR_VRD and YEAR_TXT (the year files, default /tmp/year.vrd and /tmp/year.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir="$PWD"
build="${BENCH_GUI_BUILD:-/tmp/bench-gui-build}"
runs="${RUNS:-5}"
vrd="${YEAR_VRD:-/tmp/year.vrd}"
txt="${YEAR_TXT:-/tmp/year.txt}"

bash scripts/deps.sh

echo "== building the Release measurement program in $build"
cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVRD_BUILD_GUI=ON \
  -DVRD_BUILD_BENCH=ON -DVRD_BUILD_TESTS=OFF >/dev/null
bench_program="$build/bench/gui/vrd_gui_open_bench"
vrdgen="$build/testkit/vrdgen"
cmake --build "$build" -j "$(nproc)" --target vrd_gui_open_bench vrdgen >/dev/null

if [ ! -s "$vrd" ] || [ ! -s "$txt" ]; then
  echo "== making the year report with vrdgen: $vrd, $txt"
  "$vrdgen" --minutes 525600 --txt "$txt" --vrd "$vrd"
fi
cat "$vrd" >/dev/null # a warm page cache, as after the file was copied or saved

echo "== $runs runs, each in a fresh process"
results="$build/gui-open-results.txt"
: >"$results"
for ((i = 1; i <= runs; i++)); do
  QT_QPA_PLATFORM=offscreen "$bench_program" --once --file "$vrd" 2>/dev/null | tee -a "$results" |
    awk '{ printf "   run '"$i"': %s %s %s %s\n", $1, $2, $3, $5 }'
done

# The median of key over the runs of one kind of open.
median() {
  awk -v open="open=$1" -v key="$2" '
    $1 == open { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == key) v[++n] = kv[2] } }
    END {
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
      m = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
      printf "%.1f", m
    }' "$results"
}
shown() { awk -v open="open=$1" '$1 == open && /progress_shown=1/ { n++ } END { print n + 0 }' "$results"; }
verdict() { awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "ok" : "MISSED" }'; }
row() { printf '%-42s %-15s %11s  %s\n' "$@"; }

report_bytes=$(awk '{ for (i = 1; i <= NF; i++) if ($i ~ /^report_bytes=/) { split($i, kv, "="); print kv[2]; exit } }' "$results")
vrd_bytes=$(stat -c %s "$vrd")
budget=$(median first budget_mib)

echo
echo "year report: $vrd ($vrd_bytes bytes of .vrd, $report_bytes bytes of report)"
echo "medians of $runs runs; command: $bench_program --once --file $vrd"
echo
row "figure" "target" "median" "verdict"
for open in first reopen; do
  label="first open"
  [ "$open" = reopen ] && label="reopen"
  time_ms=$(median "$open" open_ms)
  gap_ms=$(median "$open" max_gap_ms)
  peak=$(median "$open" peak_mib)
  row "$label: command until all lists shown" "< 1000 ms" "$time_ms ms" "$(verdict "$time_ms" 999.9)"
  row "$label: longest GUI-thread stall" "<= 50 ms" "$gap_ms ms" "$(verdict "$gap_ms" 50)"
  row "$label: peak resident memory" "<= $budget MiB" "$peak MiB" "$(verdict "$peak" "$budget")"
  row "$label: progress dialog shown" "(information)" "$(shown "$open") of $runs" ""
done
echo
echo "reopen: the same file opened again over the report it shows, which is kept until the new one"
echo "is in. Peak memory counts from the resident memory just before the command."
echo "Raw figures: $results"

# The analysis window on the same year: the window opened until its chart is drawn, the
# statistics of a moved selection, the PDF report (medians over the runs of one process).
echo
echo "== the analysis window on $txt"
cmake --build "$build" -j "$(nproc)" --target vrd_gui_analysis_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/gui/vrd_gui_analysis_bench" "$txt" --runs "$runs" 2>/dev/null

# Marking the year in the analysis window (Google Benchmark): 100 marks changed at once among 500,
# that step undone and redone, the runs above 65 dB marked and undone in one step; medians of
# $runs repetitions, each until the window has followed. Target: under 50 ms each but the runs
# marked (tens of thousands of marks at once, for information).
echo
echo "== marking the year in the analysis window"
cmake --build "$build" -j "$(nproc)" --target vrd_gui_marks_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/gui/vrd_gui_marks_bench" \
  --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true 2>/dev/null |
  awk '/_median/ { name = $1; sub(/\/iterations.*/, "", name); printf "%-44s median %9s %s\n", name, $2, $3 }'

# The analysis window on a month of a meter's 1-s levels (2,592,000 samples read from a CSV export
# made in memory): opened until the chart is drawn, and the carpet of the month made and drawn.
# Targets: under 1 s and under 200 ms.
echo
echo "== a month of 1-s levels in the analysis window"
cmake --build "$build" -j "$(nproc)" --target vrd_gui_csv_bench >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/gui/vrd_gui_csv_bench" \
  --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true 2>/dev/null |
  awk '/_median/ { name = $1; sub(/\/iterations.*/, "", name); printf "%-44s median %9s %s\n", name, $2, $3 }'
