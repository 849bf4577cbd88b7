#!/usr/bin/env bash
# Prints what the Windows clock costs under Wine: how long from the start until its face is shown
# (median of several starts, with a kept Wine server), its memory (resident set of the Wine process,
# which holds the program and Wine's own DLLs), its idle wake-ups per second (voluntary context
# switches of all its threads, which count every round trip to Wine's server, and the waits that
# end, which strace sees), and the size of dovetock.exe.
# Usage: bench/win32-figures.sh [BUILD_DIR] [STARTS] [IDLE_SECONDS]   (defaults: build-windows, 5, 30)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
starts=${2:-5}
idle=${3:-30}
exe="$build/bin/dovetock.exe"
[ -f "$exe" ] || { echo "no $exe: run scripts/build-windows $build first" >&2; exit 1; }

work=$(mktemp -d /tmp/dovetock-win32-bench.XXXXXX)
pids=()
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  kill "${pids[@]}" 2>/dev/null || true
  wait "${pids[@]}" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
mkdir -p "$work/home"
HOME="$work/home" icewm >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 300); do xwininfo -root -tree 2>/dev/null | grep -q '"SystemTray"' && break; sleep 0.1; done
export WINEPREFIX="$work/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8; fi
mkdir -p "$WINEPREFIX"
wineserver -p >/dev/null 2>&1 </dev/null &
wineboot -i >/dev/null 2>&1 </dev/null || true

prog="$work/prog"
mkdir -p "$prog"
cp "$exe" "$prog/"
find "$build/bin" -maxdepth 1 -type f \( -iname '*.BK' -o -iname '*.NUM' -o -iname '*.MSG' \) -exec cp {} "$prog/" \;
printf '[autorun]\r\nenable=0\r\n' >"$prog/config.ini"

now_ms() { date +%s%3N; }
mapped() { xdotool search --onlyvisible --name '^Dovetock$' >/dev/null 2>&1; }
# The Linux process of the running clock (Wine's preloader runs it under the .exe's name).
clock_pid() {
  local p
  for p in $(pgrep -f 'dovetock\.exe$'); do
    tr '\0' '\n' </proc/"$p"/environ 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
  done | tail -n 1
}

times=()
for ((i = 0; i < starts; i++)); do
  t0=$(now_ms)
  wine "$prog/dovetock.exe" >/dev/null 2>&1 &
  started=$!
  for _ in $(seq 3000); do mapped && break; sleep 0.005; done
  times+=($(($(now_ms) - t0)))
  if ((i < starts - 1)); then
    # The next start begins once this clock has ended.
    wine "$prog/dovetock.exe" --quit >/dev/null 2>&1 || true
    wait "$started" || true
  fi
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR + 1) / 2)]}')

sleep 3 # the tray icon, tooltip and first seconds settle
pid=$(clock_pid)
[ -n "$pid" ] || { echo "the clock is not running" >&2; exit 1; }
switches() { cat /proc/"$pid"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s}'; }
before=$(switches)
sleep "$idle"
after=$(switches)
rss=$(awk '/^VmRSS/ {print $2}' /proc/"$pid"/status)
# Each call to Wine's server is a context switch of its own; a wake from idle is a wait of the
# process that lasted long (over 50 ms), which strace shows.
sleeps=""
if command -v strace >/dev/null; then
  timeout -s INT "$idle" strace -f -T -qq -p "$pid" -o "$work/strace" 2>/dev/null || true
  sleeps=$(awk -F'<' '/<[0-9.]+>$/ {sub(/>$/, "", $NF); if ($NF + 0 > 0.05) n++} END {print n + 0}' "$work/strace")
fi
threads=$(ls /proc/"$pid"/task | wc -l)
wine "$prog/dovetock.exe" --quit >/dev/null 2>&1 || true

echo "start to first paint: ${median} ms (median of $starts starts: ${times[*]} ms)"
echo "memory: ${rss} KiB resident (the Wine process, $threads threads)"
echo "idle wake-ups: $(awk -v a="$before" -v b="$after" -v s="$idle" 'BEGIN {printf "%.2f", (b - a) / s}') per second (all threads, over $idle s)"
[ -n "$sleeps" ] && echo "idle wake-ups from sleep: $(awk -v n="$sleeps" -v s="$idle" 'BEGIN {printf "%.2f", n / s}') per second (waits over 50 ms that ended, over $idle s)"
echo "dovetock.exe: $(stat -c %s "$exe") bytes"
