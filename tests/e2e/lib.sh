#!/usr/bin/env bash
# Shared helpers of the end-to-end tests: a private X display, a program directory in a
# temporary folder, waiting on conditions, and cleanup of every process started.
#
# A test script is called as: script.sh PATH_TO_DOVETOCK PROGRAM_DIR_OF_THE_BUILD
set -euo pipefail

E2E_PROGRAM=${1:?path of the dovetock executable}
E2E_BUILD_DIR=${2:?program directory of the build}
E2E_TMP=$(mktemp -d /tmp/dovetock-e2e.XXXXXX)
E2E_PIDS=()
E2E_CLOCK_PID=""

e2e_cleanup() {
  local i
  for ((i=${#E2E_PIDS[@]}-1; i>=0; i--)); do
    kill "${E2E_PIDS[$i]}" 2>/dev/null || true
  done
  for ((i=${#E2E_PIDS[@]}-1; i>=0; i--)); do
    wait "${E2E_PIDS[$i]}" 2>/dev/null || true
  done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_for SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; fails after SECONDS.
wait_for() {
  local limit=$1
  shift
  local deadline=$((SECONDS + limit))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      return 1
    fi
    sleep 0.1
  done
}

# Starts a private X server (1024x768) and exports DISPLAY.
e2e_start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
  E2E_PIDS+=($!)
  wait_for 30 test -s "$E2E_TMP/display" || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$E2E_TMP/display")"
  wait_for 30 xdpyinfo || fail "display $DISPLAY does not answer"
}

# Starts icewm as window manager with its tray, and waits until the tray can take icons.
e2e_start_wm() {
  mkdir -p "$E2E_TMP/home"
  HOME="$E2E_TMP/home" icewm >"$E2E_TMP/icewm.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_for 30 e2e_tray_ready || fail "icewm's tray did not appear"
}

# (grep reads all of its input: with pipefail, an early exit would fail the pipeline.)
e2e_tray_ready() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep 'window id' >/dev/null &&
    xwininfo -root -tree | grep '"SystemTray"' >/dev/null
}

# Copies the executable and the shipped skins into a fresh program directory; prints its path.
# Its config.ini switches autostart off, so tests never touch the system's autostart folder.
e2e_program_dir() {
  local dir="$E2E_TMP/prog${1:-}"
  mkdir -p "$dir"
  cp "$E2E_PROGRAM" "$dir/dovetock"
  find "$E2E_BUILD_DIR" -maxdepth 1 -type f \( -iname '*.BK' -o -iname '*.NUM' -o -iname '*.MSG' \) \
    -exec cp {} "$dir/" \;
  printf '[autorun]\nenable=0\n' >"$dir/config.ini"
  echo "$dir"
}

# e2e_start_clock DIR [ENV=VALUE...]: starts the clock from DIR and waits for its window.
# Sets E2E_CLOCK_PID and E2E_CLOCK_WIN.
e2e_start_clock() {
  local dir=$1
  shift
  env "$@" "$dir/dovetock" >"$E2E_TMP/clock.log" 2>&1 &
  E2E_CLOCK_PID=$!
  E2E_PIDS+=("$E2E_CLOCK_PID")
  wait_for 30 e2e_find_window "$E2E_CLOCK_PID" || { cat "$E2E_TMP/clock.log" >&2; fail "no clock window appeared"; }
  E2E_CLOCK_WIN=$(e2e_find_window "$E2E_CLOCK_PID")
}

# Prints the visible window named "Dovetock" that belongs to PID.
e2e_find_window() {
  local pid=$1 w
  for w in $(xdotool search --onlyvisible --name '^Dovetock$' 2>/dev/null); do
    if [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$pid" ]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

# Prints "X Y W H" of a window in root coordinates.
e2e_geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Prints the colour of a screen pixel as "R G B" (0..255).
e2e_screen_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR==2 {gsub(/[()]/," "); split($2,c,","); print c[1], c[2], c[3]}'
}

# Prints the colour of a picture file's pixel as "R G B".
e2e_file_pixel() {
  convert "BMP:$1" -crop "1x1+$2+$3" -depth 8 txt:- | awk 'NR==2 {gsub(/[()]/," "); split($2,c,","); print c[1], c[2], c[3]}'
}

# Saves a crop of the screen as a PNG: e2e_screen_crop FILE X Y W H.
e2e_screen_crop() {
  import -window root -crop "$4x$5+$2+$3" +repage "$1"
}

e2e_process_gone() {
  ! kill -0 "$1" 2>/dev/null
}
