# Shared by the benchmark scripts (sourced, not run): a private X display, a program directory for
# the clock, and the measurement of one program's start, memory and idle CPU.
# The sourcing script sets `build` (the build directory) and `idle` (seconds of idle measurement).

bench_work=$(mktemp -d)
bench_pids=()
bench_cleanup() {
  local p
  for p in "${bench_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${bench_pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$bench_work"
}
trap bench_cleanup EXIT

# Starts Xvfb on a free display number and exports DISPLAY.
bench_start_display() {
  # -noreset: the server stays up between the measured programs instead of resetting as the last
  # client leaves, which turns away a client that connects at that moment.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$bench_work/display" 2>/dev/null &
  bench_pids+=($!)
  local _
  for _ in $(seq 100); do [ -s "$bench_work/display" ] && break; sleep 0.1; done
  [ -s "$bench_work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$bench_work/display")"
}

# A program directory of the clock's own, with the shipped skins and autostart off; prints the
# path of the executable in it.
bench_program_dir() {
  mkdir -p "$bench_work/prog"
  cp "$build/bin/dovetock" "$bench_work/prog/"
  find "$build/bin" -maxdepth 1 -type f \( -name '*.BK' -o -name '*.NUM' -o -name '*.MSG' \) \
    -exec cp {} "$bench_work/prog/" \;
  printf '[autorun]\nenable=0\n' >"$bench_work/prog/config.ini"
  echo "$bench_work/prog/dovetock"
}

# Nanoseconds all threads of a process have run: finer than the 10 ms ticks of /proc/PID/stat,
# which an idle clock stays below.
bench_run_ns() { awk '{s += $1} END {printf "%d", s}' /proc/"$1"/task/*/schedstat; }

# bench_measure WINDOW_NAME PROGRAM [ARGS...]: starts the program `runs` times (default 5) and
# prints "median_start_ms peak_rss_kib cpu_ms_per_idle_minute"; the last start is left idle for
# `idle` seconds (after 2 s to settle) to count its processor time, then ended.
bench_measure() {
  local title=$1 times=() out pid i t0 t1 rss median
  shift
  for ((i = 0; i < ${runs:-5}; i++)); do
    # Through a file: the program inherits mapwatch's output and keeps it open.
    if ! "$build/bench/mapwatch" "$title" "$@" >"$bench_work/mapped" 2>>"$bench_work/programs.log" </dev/null; then
      echo "no window named $title appeared for $*:" >&2
      cat "$bench_work/programs.log" >&2
      exit 1
    fi
    out=$(cat "$bench_work/mapped")
    times+=("${out% *}")
    pid=${out#* }
    bench_pids+=("$pid")
    if ((i < ${runs:-5} - 1)); then kill "$pid"; wait "$pid" 2>/dev/null || true; fi
  done
  sleep 2
  t0=$(bench_run_ns "$pid")
  sleep "$idle"
  t1=$(bench_run_ns "$pid")
  rss=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  awk -v d=$((t1 - t0)) -v s="$idle" -v m="$median" -v r="$rss" \
    'BEGIN {printf "%s %d %.1f\n", m, r, d / 1e6 * 60 / s}'
}

# bench_ratio A B: A / B with two decimals, or n/a when B is 0.
bench_ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
