#!/usr/bin/env bash
# Prints how long after the start of a reminder's second its popup is mapped, and the clock's
# resident memory before and after 100 popups opened and closed, on a private X display without a
# window manager. The clock's wall clock is faked to run a whole number of seconds off the real
# one, so every due second starts at a known real instant.
# Usage: bench/popup.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=${1:-build}
latency_runs=6   # clock starts, each at its own phase against the second
per_run=3        # reminders one second apart in each of them
first_group=20   # memory: popups in the first two seconds ...
total=100        # ... and in all, ten to a second

source "$(dirname "$0")/measure.sh"
bench_start_display
bench_program_dir >/dev/null
work=$bench_work

now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }

le32() {
  printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"
  printf "\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"
}
# write_reminders SECOND...: notify.dat with one daily reminder at 07:05:00 plus each SECOND.
# Records of one second differ in their year field, which keeps their keys apart; daily ones
# fire whatever the year.
write_reminders() {
  local s key year
  declare -A used=()
  {
    printf 'NOTIFYS'
    le32 $#
    for s in "$@"; do
      year=$((1971 + ${used[$s]:-0}))
      used[$s]=$((${used[$s]:-0} + 1))
      key=$(printf '%02d:01:01:07:%02d:%02d' "$year" $((5 + s / 60)) $((s % 60)))
      le32 1; le32 "$year"; le32 1; le32 1; le32 7; le32 $((5 + s / 60)); le32 $((s % 60)); le32 1
      le32 ${#key}; printf '%s' "$key"
      le32 8; printf 'reminder'
    done
  } >"$work/prog/notify.dat"
}

# start_clock LEAD: starts the clock with its local time LEAD seconds before 07:05:00 and opens
# fd 4 on a watcher of its popups' maps. Sets clock and due0_ms, the real time of 07:05:00.
start_clock() {
  local base offset
  base=$(date +%s)
  offset=$(($(TZ=UTC date -d '2026-01-01 07:05:00' +%s) - $1 - base))
  due0_ms=$(((base + $1) * 1000))
  env LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="$(printf '%+d' "$offset")" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC "$work/prog/dovetock" >"$work/clock.log" 2>&1 &
  clock=$!
  bench_pids+=("$clock")
  rm -f "$work/maps"
  mkfifo "$work/maps"
  "$build/bench/mapwatch" --pid "$clock" --count "$2" "" >"$work/maps" &
  bench_pids+=($!)
  exec 4<"$work/maps"
}

stop_clock() {
  exec 4<&-
  kill "$clock" 2>/dev/null || true
  wait "$clock" 2>/dev/null || true
}

declare -A clicked_ms=()
click() {
  xdotool windowraise "$1" mousemove --window "$1" 61 40 click 1 2>/dev/null || true
  clicked_ms[$1]=$(now_ms)
}

# A search can fail while a window is going away: only two empty answers in a row count.
open_popups() { xdotool search --all --onlyvisible --pid "$clock" --name '^$' 2>/dev/null || true; }
none_open() { [ -z "$(open_popups)" ] && sleep 0.2 && [ -z "$(open_popups)" ]; }

# Clicks every open popup again whose last click is more than 4 s old (a newer popup on top took
# it), until none is open; fails after 60 s.
close_all_popups() {
  local window
  for _ in $(seq 300); do
    none_open && return 0
    for window in $(open_popups); do
      if (($(now_ms) - ${clicked_ms[$window]:-0} > 4000)); then click "$window"; fi
    done
  done
  echo "popups still open 60 s after the last one appeared" >&2
  exit 1
}

rss() { awk "/^$1:/ {print \$2}" "/proc/$clock/status"; }

# --- Latency: each start of the clock ticks at its own phase against the wall-clock second.
firsts=()
latencies=()
for ((run = 0; run < latency_runs; run++)); do
  seconds=()
  for ((i = 0; i < per_run; i++)); do seconds+=("$i"); done
  write_reminders "${seconds[@]}"
  sleep "0.$((RANDOM % 10))$((RANDOM % 10))"
  start_clock 9 "$per_run"
  for ((i = 0; i < per_run; i++)); do
    read -r -t 60 mapped_ms window <&4 || { echo "popup $i of run $run was not mapped" >&2; exit 1; }
    latency=$(awk -v m="$mapped_ms" -v d="$((due0_ms + i * 1000))" 'BEGIN {printf "%.1f", m - d}')
    if ((i == 0)); then firsts+=("$latency"); else latencies+=("$latency"); fi
    click "$window"
  done
  stop_clock
done

# --- Memory: ten popups in each of two seconds, then in eight more, each clicked as it maps.
seconds=()
for ((i = 0; i < total; i++)); do
  if ((i < first_group)); then seconds+=($((i / 10))); else seconds+=($((8 + i / 10))); fi
done
write_reminders "${seconds[@]}"
start_clock 10 "$total"
until (($(now_ms) >= due0_ms - 1500)); do sleep 0.1; done
kill -0 "$clock" 2>/dev/null || { cat "$work/clock.log" >&2; echo "the clock did not start" >&2; exit 1; }
rss_start=$(rss VmRSS)
for ((k = 0; k < total; k++)); do
  read -r -t 60 _ window <&4 || { echo "only $k of $total popups were mapped" >&2; exit 1; }
  click "$window"
  if ((k + 1 == first_group)); then
    close_all_popups
    rss_first=$(rss VmRSS)
  fi
done
close_all_popups
sleep 1
rss_end=$(rss VmRSS)
rss_peak=$(rss VmHWM)
stop_clock

stats() { printf '%s\n' "$@" | sort -g | awk '{a[NR] = $1} END {printf "%s %s %s\n", a[1], a[int((NR + 1) / 2)], a[NR]}'; }
read -r f_lo f_med f_hi < <(stats "${firsts[@]}")
read -r lo med hi < <(stats "${latencies[@]}")
printf '%-58s %s\n' "due second start to popup mapped, min / median / max (ms)" ""
printf '  %-56s %s / %s / %s\n' "first popup of a run ($latency_runs runs)" "$f_lo" "$f_med" "$f_hi"
printf '  %-56s %s / %s / %s\n' "later popups (${#latencies[@]})" "$lo" "$med" "$hi"
printf '%-58s %s\n' "resident memory before any popup (KiB)" "$rss_start"
printf '%-58s %s\n' "resident memory after $first_group popups closed (KiB)" "$rss_first"
printf '%-58s %s\n' "resident memory after $total popups closed (KiB)" "$rss_end"
printf '%-58s %s\n' "peak resident memory (KiB)" "$rss_peak"
