#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs each for a bounded time. Exits non-zero when any target finds a crash, a hang, a memory
# blow-up or a broken invariant; the input that did it is kept in the build folder.
#
#   FUZZ_SECONDS     time per target (default 30)
#   FUZZ_TARGETS     targets to run (default all eight)
#   FUZZ_BUILD_DIR   build folder (default build-fuzz)
#   FUZZ_ARGS        more libFuzzer options, e.g. "-jobs=2"
#
# New inputs that reach more code go to FUZZ_BUILD_DIR/corpus/<target>, so later runs go on from
# there; the seeds in fuzz/corpus/<target> stay as they are and are replayed on every run, which
# also makes them regression inputs.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
targets="${FUZZ_TARGETS:-fuzz_decode fuzz_parse fuzz_csv fuzz_chart fuzz_show fuzz_analysis fuzz_analysis_file fuzz_levels_csv}"
build="${FUZZ_BUILD_DIR:-build-fuzz}"
read -r -a extra <<<"${FUZZ_ARGS:-}"

CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVRD_BUILD_GUI=OFF -DVRD_BUILD_TESTS=OFF -DVRD_BUILD_FUZZ=ON -DVRD_SANITIZE=ON >/dev/null
# shellcheck disable=SC2086
cmake --build "$build" -j "$(nproc)" --target $targets

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

mkdir -p "$build/logs" "$build/artifacts"
failed=()
for target in $targets; do
  mkdir -p "$build/corpus/$target"
  log="$build/logs/$target.log"
  echo "== $target: ${seconds} s"
  status=0
  "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" "${extra[@]}" \
    "$build/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  # The last status line holds the coverage; the final statistics the executions.
  runs="$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)"
  cov="$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)"
  echo "   executions: ${runs:-?}  ${cov:-}"
  if [ "$status" -ne 0 ]; then
    failed+=("$target")
    echo "   FINDING (exit $status); the end of $log:"
    tail -n 40 "$log" | sed 's/^/   | /'
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing found problems in: ${failed[*]}; inputs in $build/artifacts/" >&2
  exit 1
fi
echo "fuzzing: no findings"
