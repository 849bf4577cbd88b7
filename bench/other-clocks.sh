#!/usr/bin/env bash
# Prints start-to-map time, peak resident memory and CPU per idle minute of the clock and of
# Debian's oclock, xclock and xdaliclock, started one after another on one private X display, with
# the clock's ratio to each.
# Usage: bench/other-clocks.sh [BUILD_DIR] [IDLE_SECONDS]   (defaults: build, 60)
set -euo pipefail
build=${1:-build}
idle=${2:-60}
runs=5
source "$(dirname "$0")/measure.sh"

for p in oclock xclock xdaliclock; do
  command -v "$p" >/dev/null || { echo "$p is missing: scripts/install-deps installs it" >&2; exit 1; }
done
bench_start_display
clock=$(bench_program_dir)
# xdaliclock is a GTK program: keep its settings in memory and its files in a scratch home.
mkdir -p "$bench_work/home"

names=(dovetock oclock xclock xdaliclock)
declare -A fig
store() { local name=$1 i=0 v; shift; for v in "$@"; do fig[$name:$i]=$v; i=$((i + 1)); done; }
store dovetock $(bench_measure Dovetock "$clock")
store oclock $(bench_measure oclock oclock)
store xclock $(bench_measure xclock xclock)
store xdaliclock $(HOME="$bench_work/home" GSETTINGS_BACKEND=memory bench_measure XDaliClock xdaliclock)

figures=("start to first map (ms)" "peak resident memory (KiB)" "CPU per idle minute (ms)")
printf '%-28s' "figure"
for n in "${names[@]}"; do printf ' %11s' "$n"; done
for n in "${names[@]:1}"; do printf ' %19s' "dovetock/$n"; done
printf '\n'
for i in 0 1 2; do
  printf '%-28s' "${figures[$i]}"
  for n in "${names[@]}"; do printf ' %11s' "${fig[$n:$i]}"; done
  for n in "${names[@]:1}"; do printf ' %19s' "$(bench_ratio "${fig[dovetock:$i]}" "${fig[$n:$i]}")"; done
  printf '\n'
done
