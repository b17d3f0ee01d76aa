#!/bin/bash
# vrdtool stats on a week of 1-s levels from a meter's CSV export (604,800 rows, 17 MB), read and
# analysed, against pandas reading the same file and working out Leq, Lday, Levening, Lnight and
# L10/L50/L90; then vrdtool stats on a month of them (2,592,000 rows), its time and memory.
# Medians of 5 runs, with hyperfine when it is there, else /usr/bin/time.
#   bench/levels_csv_vs_pandas/run.sh BUILD_DIR [DATA_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
vrdtool=${1:?usage: run.sh BUILD_DIR [DATA_DIR]}/tools/vrdtool/vrdtool
data=${2:-${TMPDIR:-/tmp}/vrd-levels-bench}
mkdir -p "$data"
week=$data/week.csv
month=$data/month.csv
[ -s "$week" ] || python3 "$here/make_levels.py" 7 "$week"
[ -s "$month" ] || python3 "$here/make_levels.py" 30 "$month"

# The median of 5 runs of a command: its seconds and its peak resident kilobytes.
median_of_5() {
    local runs=()
    for _ in 1 2 3 4 5; do
        runs+=("$( { /usr/bin/time -f '%e %M' "$@" > /dev/null; } 2>&1 | tail -n 1)")
    done
    printf '%s\n' "${runs[@]}" | sort -n | sed -n 3p
}

echo "files: $(du -h "$week" | cut -f1) week, $(du -h "$month" | cut -f1) month"
"$vrdtool" stats "$week" | sed -n '2,8p'
# PYTHON, else the first python3 that has pandas (Debian's python3-pandas is /usr/bin's).
have_pandas=0
for python in ${PYTHON:-} python3 /usr/bin/python3; do
    if "$python" -c 'import pandas' 2> /dev/null; then
        have_pandas=1
        break
    fi
done
[ $have_pandas = 1 ] && "$python" "$here/pandas_stats.py" "$week"

if command -v hyperfine > /dev/null; then
    commands=("$vrdtool stats $week")
    [ $have_pandas = 1 ] && commands+=("$python $here/pandas_stats.py $week")
    hyperfine --warmup 1 --runs 5 "${commands[@]}"
fi
read -r vrd_s vrd_kb <<< "$(median_of_5 "$vrdtool" stats "$week")"
echo "vrdtool stats, week:  ${vrd_s} s, ${vrd_kb} kB"
if [ $have_pandas = 1 ]; then
    read -r pd_s pd_kb <<< "$(median_of_5 "$python" "$here/pandas_stats.py" "$week")"
    echo "pandas, week:         ${pd_s} s, ${pd_kb} kB"
    awk -v a="$vrd_s" -v b="$pd_s" 'BEGIN { printf "ratio vrdtool / pandas: %.3f\n", a / b }'
else
    echo "pandas: not installed (Debian: apt-get install python3-pandas)"
fi
read -r month_s month_kb <<< "$(median_of_5 "$vrdtool" stats "$month")"
echo "vrdtool stats, month: ${month_s} s, ${month_kb} kB"
