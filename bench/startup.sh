#!/usr/bin/env bash
# Prints start-to-map time, peak resident memory and CPU per idle minute of the clock beside a
# bare Qt window with a 100 ms timer, measured in the same run on one private X display.
# Usage: bench/startup.sh [BUILD_DIR] [IDLE_SECONDS]   (defaults: build, 30)
set -euo pipefail
build=${1:-build}
idle=${2:-30}
runs=5
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# A program directory of its own, with autostart off.
mkdir "$work/prog"
cp "$build/bin/dovetock" "$work/prog/"
find "$build/bin" -maxdepth 1 -type f \( -name '*.BK' -o -name '*.NUM' -o -name '*.MSG' \) -exec cp {} "$work/prog/" \;
printf '[autorun]\nenable=0\n' >"$work/prog/config.ini"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# measure NAME WINDOW_TITLE PROGRAM: prints "median_start_ms peak_rss_kb cpu_percent_per_idle_minute"
measure() {
  local title=$1 program=$2 times=() out pid i
  for ((i = 0; i < runs; i++)); do
    out=$("$build/bench/mapwatch" "$title" "$program")
    times+=("${out% *}")
    pid=${out#* }
    pids+=("$pid")
    if ((i < runs - 1)); then kill "$pid"; wait "$pid" 2>/dev/null || true; fi
  done
  sleep 2
  local t0 t1
  t0=$(cpu_ticks "$pid")
  sleep "$idle"
  t1=$(cpu_ticks "$pid")
  local rss
  rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  local median
  median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  # CPU seconds per idle minute as a percentage of one core.
  awk -v d=$((t1 - t0)) -v hz="$ticks" -v s="$idle" -v m="$median" -v r="$rss" \
    'BEGIN {printf "%s %d %.3f\n", m, r, 100 * (d / hz) / s}'
}

read -r c_start c_rss c_cpu < <(measure Dovetock "$work/prog/dovetock")
read -r b_start b_rss b_cpu < <(measure Bare "$build/bench/barewindow")

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
printf '%-28s %12s %12s %8s\n' "figure" "dovetock" "bare window" "ratio"
printf '%-28s %12s %12s %8s\n' "start to first map (ms)" "$c_start" "$b_start" "$(ratio "$c_start" "$b_start")"
printf '%-28s %12s %12s %8s\n' "peak resident memory (KiB)" "$c_rss" "$b_rss" "$(ratio "$c_rss" "$b_rss")"
printf '%-28s %12s %12s %8s\n' "CPU when idle (% of a core)" "$c_cpu" "$b_cpu" "$(ratio "$c_cpu" "$b_cpu")"
