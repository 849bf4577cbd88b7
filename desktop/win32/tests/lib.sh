#!/usr/bin/env bash
# Shared helpers of the Windows program's end-to-end tests, called as:
#   script.sh PATH_TO_DOVETOCK_EXE PROGRAM_DIR_OF_THE_BUILD
# Each test runs dovetock.exe under Wine on its own X display (Xvfb with icewm and its tray) in its
# own Wine prefix, from a private copy of the program directory, and ends everything it started.
. "$(dirname "${BASH_SOURCE[0]}")/../../../tests/e2e/lib.sh"

win_cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  e2e_cleanup
}
trap win_cleanup EXIT

# Starts the display, the window manager and a fresh Wine prefix (Chinese locale, code page 936).
win_start() {
  e2e_start_display
  e2e_start_wm
  export WINEPREFIX="$E2E_TMP/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  fi
  mkdir -p "$WINEPREFIX"
  wineserver -p >/dev/null 2>&1 </dev/null &
  wineboot -i >/dev/null 2>&1 </dev/null || fail "wineboot failed"
}

# Copies dovetock.exe with the shipped skins into a fresh program directory; prints its path. Its
# config.ini switches autostart off unless the test is about it.
win_program_dir() {
  local dir="$E2E_TMP/程序${1:-}"
  mkdir -p "$dir"
  cp "$E2E_PROGRAM" "$dir/dovetock.exe"
  find "$E2E_BUILD_DIR" -maxdepth 1 -type f \( -iname '*.BK' -o -iname '*.NUM' -o -iname '*.MSG' \) -exec cp {} "$dir/" \;
  printf '[autorun]\r\nenable=0\r\n' >"$dir/config.ini"
  echo "$dir"
}

# win_run DIR ARGS...: runs dovetock.exe of DIR to its end; its exit code is the function's.
win_run() { wine "$1/dovetock.exe" "${@:2}"; }

# win_start_clock DIR: starts the clock of DIR and waits for its window; sets WIN_CLOCK_PID, WIN_CLOCK.
win_start_clock() {
  wine "$1/dovetock.exe" >"$E2E_TMP/clock.log" 2>&1 &
  WIN_CLOCK_PID=$!
  E2E_PIDS+=("$WIN_CLOCK_PID")
  wait_for 60 win_clock_window || { cat "$E2E_TMP/clock.log" >&2; fail "no clock window appeared"; }
  WIN_CLOCK=$(win_clock_window)
}

# Prints the mapped windows named "Dovetock", one a line.
win_clock_windows() { xdotool search --onlyvisible --name '^Dovetock$' 2>/dev/null; }
win_clock_window() { win_clock_windows | head -n 1 | grep .; }

# The settings sheet's window, when one is mapped.
win_sheet_window() { xdotool search --onlyvisible --name '^Amberlane 电子闹钟 1.0 版$' 2>/dev/null | head -n 1 | grep .; }

# Prints the icon windows docked in icewm's tray.
win_tray_icons() {
  local tray
  tray=$(xdotool search --name '^SystemTray$' 2>/dev/null | head -n 1)
  [ -n "$tray" ] || return 1
  xwininfo -children -id "$tray" | awk '$1 ~ /^0x/ {print $1}' | grep .
}

# win_ini_value DIR SECTION KEY: prints the value in DIR/config.ini.
win_ini_value() {
  awk -v s="[$2]" -v k="$3" 'BEGIN {IGNORECASE = 1} { sub(/\r$/, "") }
    /^\[/ {in_s = (tolower($0) == tolower(s)); next}
    in_s && index($0, "=") { split($0, p, "="); if (tolower(p[1]) == tolower(k)) print p[2] }' "$1/config.ini"
}

# A hash of the screen's pixels in a rectangle: win_screen_hash X Y W H.
win_screen_hash() { import -window root -crop "$3x$4+$1+$2" +repage rgb:- | md5sum | cut -d' ' -f1; }
