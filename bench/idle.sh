#!/usr/bin/env bash
# Prints what an idle clock costs, side by side for the clock, a bare Qt window with a 100 ms timer,
# oclock and xclock -update 1, all running at once on one private X display: wake-ups per second
# (voluntary context switches) of the interface thread and of all threads, CPU per idle minute
# (scheduler run time), and how long after the start of a second the face shows it (median, min
# and max over the face seconds; the window's pixels are read every millisecond, one program at a
# time, after the idle counts).
# Usage: bench/idle.sh [BUILD_DIR] [IDLE_SECONDS] [FACE_SECONDS]   (defaults: build, 60, 20)
set -euo pipefail
build=${1:-build}
idle=${2:-60}
face_seconds=${3:-20}
source "$(dirname "$0")/measure.sh"

for p in oclock xclock xdotool; do
  command -v "$p" >/dev/null || { echo "$p is missing: scripts/install-deps installs it" >&2; exit 1; }
done
bench_start_display
clock=$(bench_program_dir)

names=(dovetock "bare window" oclock "xclock -update 1")
titles=(Dovetock Bare oclock xclock)
commands=("$clock" "$build/bench/barewindow" oclock "xclock -update 1")
pids=()
for i in "${!names[@]}"; do
  # shellcheck disable=SC2086 # the command's words
  "$build/bench/mapwatch" "${titles[$i]}" ${commands[$i]} >"$bench_work/mapped" 2>>"$bench_work/programs.log" </dev/null ||
    { echo "no window named ${titles[$i]} appeared:" >&2; cat "$bench_work/programs.log" >&2; exit 1; }
  read -r _ pid <"$bench_work/mapped"
  pids+=("$pid")
  bench_pids+=("$pid")
done

# switches PID: "interface-thread all-threads" voluntary context switches so far.
switches() {
  awk -v main="/proc/$1/task/$1/status" '/^voluntary_ctxt_switches/ {all += $2; if (FILENAME == main) own = $2}
    END {print own, all}' /proc/"$1"/task/*/status
}
sleep 2
declare -A before
for i in "${!pids[@]}"; do before[$i]="$(switches "${pids[$i]}") $(bench_run_ns "${pids[$i]}")"; done
sleep "$idle"
declare -A fig
for i in "${!pids[@]}"; do
  read -r o0 a0 n0 <<<"${before[$i]}"
  read -r o1 a1 <<<"$(switches "${pids[$i]}")"
  n1=$(bench_run_ns "${pids[$i]}")
  fig[$i:0]=$(awk -v d=$((o1 - o0)) -v s="$idle" 'BEGIN {printf "%.2f", d / s}')
  fig[$i:1]=$(awk -v d=$((a1 - a0)) -v s="$idle" 'BEGIN {printf "%.2f", d / s}')
  fig[$i:2]=$(awk -v d=$((n1 - n0)) -v s="$idle" 'BEGIN {printf "%.1f", d / 1e6 * 60 / s}')
done

for i in "${!pids[@]}"; do
  # Without a window manager all the windows sit at the top left: the one read comes to the top.
  window=$(xdotool search --onlyvisible --name "^${titles[$i]}\$" | head -n 1)
  xdotool windowraise "$window"
  sleep 1
  "$build/bench/mapwatch" --face "$window" "$face_seconds" >"$bench_work/face"
  fig[$i:3]=$(sort -g "$bench_work/face" | awk '{a[NR] = $1} END {
    if (NR == 0) print "none"; else printf "%s (%s-%s, %d s)", a[int((NR + 1) / 2)], a[1], a[NR], NR}')
done

figures=("wake-ups/s, interface thread" "wake-ups/s, all threads" "CPU per idle minute (ms)"
         "face lag, median (min-max, seconds seen) (ms)")
printf '%-46s' "figure"
for n in "${names[@]}"; do printf ' | %-24s' "$n"; done
printf '\n'
for f in 0 1 2 3; do
  printf '%-46s' "${figures[$f]}"
  for i in "${!names[@]}"; do printf ' | %-24s' "${fig[$i:$f]}"; done
  printf '\n'
done
printf 'load average at the end: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
