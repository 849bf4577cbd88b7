#!/usr/bin/env bash
# Prints how long after a reminder's popup is mapped its alarm sound reaches a private PulseAudio
# server's sink, and how long after the start of the due second the popup is mapped with the sound
# on and with it off. The clock's wall clock is faked to run a whole number of seconds off the real
# one, so every due second starts at a known real instant.
# Usage: bench/alarm-sound.sh [BUILD_DIR]   (default: build)
set -euo pipefail
build=${1:-build}
runs=4    # clock starts with the sound on, and as many with it off, each at its own tick phase
count=4   # reminders in each of them, four seconds apart
gap=4

source "$(dirname "$0")/measure.sh"
export XDG_RUNTIME_DIR="$bench_work/run" HOME="$bench_work/home"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$HOME"
sink=dovetock_bench
trap 'pulseaudio --kill 2>/dev/null || true; bench_cleanup' EXIT
pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load="module-null-sink sink_name=$sink" \
  --load=module-native-protocol-unix 2>/dev/null
for _ in $(seq 100); do pactl set-default-sink "$sink" 2>/dev/null && break; sleep 0.1; done
bench_start_display
bench_program_dir >/dev/null
work=$bench_work
minus() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.1f", a - b}'; }

le32() { printf '%08x' "$1" | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/' | xxd -r -p; }
{
  printf 'NOTIFYS'
  le32 $count
  for ((i = 0; i < count; i++)); do
    key=$(printf '1971:01:01:07:%02d:%02d' $((5 + i * gap / 60)) $((i * gap % 60)))
    for field in 1 1971 1 1 7 $((5 + i * gap / 60)) $((i * gap % 60)) 1; do le32 "$field"; done
    le32 ${#key}; printf '%s' "$key"
    le32 8; printf 'reminder'
  done
} >"$work/prog/notify.dat"

# run on|off: one clock with the sound switched so; prints "mapped_latency audio_delay" per popup.
run() {
  printf '[autorun]\nenable=0\n[alert]\nsound=%d\n' "$([ "$1" = on ] && echo 1 || echo 0)" >"$work/prog/config.ini"
  local base offset due0 clock recorder line mapped window start loud
  sleep "0.$((RANDOM % 10))$((RANDOM % 10))"
  base=$(date +%s)
  offset=$(($(TZ=UTC date -d '2026-01-01 07:05:00' +%s) - 10 - base))
  due0=$(((base + 10) * 1000))
  env LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="$(printf '%+d' "$offset")" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC "$work/prog/dovetock" >"$work/clock.log" 2>&1 &
  clock=$!
  bench_pids+=("$clock")
  rm -f "$work/maps" "$work/audio" "$work/samples"
  mkfifo "$work/maps" "$work/audio"
  "$build/bench/mapwatch" --pid "$clock" --count "$count" "" >"$work/maps" &
  bench_pids+=($!)
  mkfifo "$work/samples"
  "$build/bench/audiowatch" <"$work/samples" >"$work/audio" &
  bench_pids+=($!)
  parec -d "$sink.monitor" --raw --format=s16le --channels=1 --rate=48000 --latency-msec=5 >"$work/samples" &
  recorder=$!
  bench_pids+=("$recorder")
  exec 4<"$work/maps" 5<"$work/audio"
  for ((i = 0; i < count; i++)); do
    read -r -t 60 mapped window <&4 || { echo "popup $i was not mapped" >&2; exit 1; }
    start=- loud=-
    if [ "$1" = on ]; then
      read -r -t 10 line <&5 || { echo "no sound for popup $i" >&2; exit 1; }
      start=$(minus "${line% *}" "$mapped")
      read -r -t 10 line <&5 || { echo "popup $i never sounded loud" >&2; exit 1; }
      loud=$(minus "${line% *}" "$mapped")
    else
      sleep 0.5
    fi
    echo "$(minus "$mapped" $((due0 + i * gap * 1000))) $start $loud"
    xdotool mousemove --window "$window" 61 40 click 1 2>/dev/null || true
  done
  exec 4<&- 5<&-
  kill "$clock"
  wait "$clock" 2>/dev/null || true
  kill "$recorder"
  wait "$recorder" 2>/dev/null || true
}

stats() { sort -g | awk '{a[NR] = $1} END {printf "%s / %s / %s\n", a[1], a[int((NR + 1) / 2)], a[NR]}'; }
for ((r = 0; r < runs; r++)); do
  run on >>"$work/on"
  run off >>"$work/off"
done
printf '%-62s %s\n' "min / median / max over $((runs * count)) popups of $runs clock starts (ms)" ""
printf '  %-60s %s\n' "due second start to popup mapped, sound on" "$(cut -d' ' -f1 "$work/on" | stats)"
printf '  %-60s %s\n' "due second start to popup mapped, sound off" "$(cut -d' ' -f1 "$work/off" | stats)"
printf '  %-60s %s\n' "popup mapped to the first sample of the sound at the sink" "$(cut -d' ' -f2 "$work/on" | stats)"
printf '  %-60s %s\n' "popup mapped to its first loud sample (0.2 s into the sound)" "$(cut -d' ' -f3 "$work/on" | stats)"
