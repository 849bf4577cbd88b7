#!/usr/bin/env bash
# Prints start-to-map time, peak resident memory and CPU per idle minute of the clock beside a
# bare Qt window with a 100 ms timer, measured in the same run on one private X display.
# Usage: bench/startup.sh [BUILD_DIR] [IDLE_SECONDS]   (defaults: build, 30)
set -euo pipefail
build=${1:-build}
idle=${2:-30}
runs=5
source "$(dirname "$0")/measure.sh"

bench_start_display
clock=$(bench_program_dir)

read -r c_start c_rss c_cpu < <(bench_measure Dovetock "$clock")
read -r b_start b_rss b_cpu < <(bench_measure Bare "$build/bench/barewindow")

printf '%-30s %12s %12s %8s\n' "figure" "dovetock" "bare window" "ratio"
printf '%-30s %12s %12s %8s\n' "start to first map (ms)" "$c_start" "$b_start" "$(bench_ratio "$c_start" "$b_start")"
printf '%-30s %12s %12s %8s\n' "peak resident memory (KiB)" "$c_rss" "$b_rss" "$(bench_ratio "$c_rss" "$b_rss")"
printf '%-30s %12s %12s %8s\n' "CPU per idle minute (ms)" "$c_cpu" "$b_cpu" "$(bench_ratio "$c_cpu" "$b_cpu")"
