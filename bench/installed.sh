#!/usr/bin/env bash
# Prints start-to-first-map of the installed clock (cmake --install into a temporary prefix,
# settings in a fresh home) beside the portable one, and the time a start spends before its window
# work: process start, reading the command line and asking for a running clock (`--quit` with none),
# beside process start and reading the command line alone (`--version`).
# Usage: bench/installed.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=${1:-build}
idle=1
runs=9
source "$(dirname "$0")/measure.sh"

bench_start_display
portable=$(bench_program_dir)
prefix="$bench_work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
export HOME="$bench_work/home" XDG_RUNTIME_DIR="$bench_work/run"
mkdir -p "$HOME/.config/dovetock" "$XDG_RUNTIME_DIR"
printf '[autorun]\nenable=0\n' >"$HOME/.config/dovetock/config.ini"

read -r p_start _ < <(bench_measure Dovetock "$portable")
read -r i_start _ < <(bench_measure Dovetock "$prefix/bin/dovetock")
# bench_command ARGS...: median wall time in ms of 20 runs of the installed program with ARGS.
bench_command() {
  local i t0 t1
  for i in $(seq 20); do
    t0=$EPOCHREALTIME; "$prefix/bin/dovetock" "$@" >/dev/null 2>&1 || true; t1=$EPOCHREALTIME
    echo "$t0 $t1"
  done | awk '{print ($2 - $1) * 1000}' | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]}'
}
handover=$(bench_command --quit)
version=$(bench_command --version)

printf '%-44s %10s\n' "portable: start to first map (ms, median of $runs)" "$p_start"
printf '%-44s %10s\n' "installed: start to first map (ms, median of $runs)" "$i_start"
printf '%-44s %10s\n' "--quit with no clock (ms, median of 20)" "$handover"
printf '%-44s %10s\n' "--version (ms, median of 20)" "$version"
