#!/usr/bin/env bash
# Runs fuzz targets for longer than the test command does and prints inputs per second and findings.
# Usage: fuzz/run-long.sh SECONDS [TARGET...]   (default: every target; BUILD_DIR=build)
# Each target keeps what it found in BUILD_DIR/fuzz-long/TARGET/corpus for the next long run;
# findings land in BUILD_DIR/fuzz-long/TARGET/findings. Exits non-zero when anything was found.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${BUILD_DIR:-$here/build}" && pwd)
seconds=${1:?usage: fuzz/run-long.sh SECONDS [TARGET...]}
shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for conf in "$build"/fuzzers/*.conf; do
    [ -e "$conf" ] && targets+=("$(basename "$conf" .conf)")
  done
fi
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzzers: build them first" >&2; exit 2; }

found=0
printf '%-22s %8s %12s %10s %8s %s\n' target seconds inputs inputs/s corpus findings
for target in "${targets[@]}"; do
  binary="$build/fuzzers/$target"
  [ -x "$binary" ] || { echo "$target: not built ($binary)" >&2; found=1; continue; }
  scratch="$build/fuzz-long/$target"
  log="$scratch/log"
  mkdir -p "$scratch"
  KEEP_CORPUS=1 TZ=UTC QT_QPA_PLATFORM=offscreen sh "$here/cmake/run-fuzzer.sh" "$binary" "$scratch" \
    -max_total_time="$seconds" -print_final_stats=1 >"$log" 2>&1 || true
  runs=$(awk '/^stat::number_of_executed_units/ {print $2}' "$log")
  time=$(awk '/^Done [0-9]+ runs in/ {print $5}' "$log")
  rate=$(awk '/^stat::average_exec_per_sec/ {print $2}' "$log")
  corpus=$(find "$scratch/corpus" -type f | wc -l)
  findings=$(find "$scratch/findings" -type f | sort)
  printf '%-22s %8s %12s %10s %8s %s\n' "$target" "${time:-?}" "${runs:-?}" "${rate:-?}" "$corpus" \
    "$( [ -n "$findings" ] && echo "$(wc -l <<<"$findings")" || echo none)"
  if [ -n "$findings" ]; then
    found=1
    sed 's/^/    /' <<<"$findings"
    grep -m 1 -E '^==[0-9]+==ERROR|^SUMMARY|runtime error|deadly signal' "$log" | sed 's/^/    /' || true
    echo "    reproduce: $binary FINDING   (full log: $log)"
  fi
done
exit "$found"
