#!/usr/bin/env bash
# Shared helpers of the end-to-end tests, called as: script.sh PATH_TO_DOVETOCK PROGRAM_DIR_OF_THE_BUILD.
# They run the clock on a private X display from a temporary folder and end every process started.
set -euo pipefail

E2E_PROGRAM=${1:?path of the dovetock executable}
E2E_BUILD_DIR=${2:?program directory of the build}
E2E_TMP=$(mktemp -d /tmp/dovetock-e2e.XXXXXX)
E2E_PIDS=()
E2E_AS=()  # a command that runs the clock as another user

e2e_cleanup() {
  kill "${E2E_PIDS[@]}" 2>/dev/null || true
  wait "${E2E_PIDS[@]}" 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# wait_for SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds; fails after SECONDS.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Starts a private X server (1024x768) and exports DISPLAY. The server does not reset when its
# last client leaves, so a client that connects at that moment is not turned away.
e2e_start_display() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
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

# e2e_keep_one_skin DIR: leaves one background and one digit strip in DIR (the first by name), so
# the pictures the clock shows are known; sets bk and num to their paths.
e2e_keep_one_skin() {
  bk=$(find "$1" -maxdepth 1 -name '*.BK' | sort | head -n 1)
  num=$(find "$1" -maxdepth 1 -name '*.NUM' | sort | head -n 1)
  [ -n "$bk" ] && [ -n "$num" ] || fail "the build ships no skins"
  find "$1" -maxdepth 1 \( -name '*.BK' -o -name '*.NUM' \) ! -path "$bk" ! -path "$num" -delete
}

# e2e_start_clock DIR [ENV=VALUE...]: starts the clock from DIR and waits for its window.
# Sets E2E_CLOCK_PID and E2E_CLOCK_WIN.
e2e_start_clock() {
  "${E2E_AS[@]}" env "${@:2}" "$1/dovetock" >"$E2E_TMP/clock.log" 2>&1 &
  E2E_CLOCK_PID=$!
  E2E_PIDS+=("$E2E_CLOCK_PID")
  wait_for 30 e2e_find_window "$E2E_CLOCK_PID" || { cat "$E2E_TMP/clock.log" >&2; fail "no clock window appeared"; }
  E2E_CLOCK_WIN=$(e2e_find_window "$E2E_CLOCK_PID")
}

# Prints the visible window named "Dovetock" that belongs to PID.
e2e_find_window() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Dovetock$' 2>/dev/null); do
    [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$1" ] && echo "$w" && return 0
  done
  return 1
}

# Prints "X Y W H" of a window in root coordinates.
e2e_geometry() {
  xwininfo -id "$1" | awk '
    /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# e2e_drag WINDOW X Y DX DY: presses the left button at (X, Y) in WINDOW and drags it by (DX, DY).
# The window manager takes over the move after the press, so the pointer keeps moving until it has.
e2e_drag() {
  local win=$1 gx=$2 gy=$3 dx=$4 dy=$5 x0 y0 nudge=0
  read -r x0 y0 _ < <(e2e_geometry "$win")
  e2e_drag_step() {
    nudge=$((1 - nudge))
    xdotool mousemove $((x0 + gx + dx - 30 + nudge)) $((y0 + gy + dy - 10))
    [ "$(e2e_geometry "$win" | cut -d' ' -f1,2)" != "$x0 $y0" ]
  }
  xdotool mousemove $((x0 + gx)) $((y0 + gy)) mousedown 1
  wait_for 30 e2e_drag_step || { xdotool mouseup 1; return 1; }
  xdotool mousemove $((x0 + gx + dx)) $((y0 + gy + dy)) mouseup 1
}

# Print the colour of a screen pixel (X Y) or of a picture file's (FILE X Y) as "R G B" (0..255).
e2e_screen_pixel() { e2e_rgb import -window root -crop "1x1+$1+$2"; }
e2e_file_pixel() { e2e_rgb convert "BMP:$1" -crop "1x1+$2+$3"; }
e2e_rgb() { "$@" -depth 8 txt:- | awk 'NR==2 {gsub(/[()]/," "); split($2,c,","); print c[1], c[2], c[3]}'; }

# e2e_face_point BK W H: prints a point "X Y" of the face (a pixel of BK not in its key colour).
e2e_face_point() {
  local key point
  key=$(e2e_file_pixel "$1" 0 0)
  for point in "$(($2 / 2)) $(($3 - 8))" "$(($2 / 2)) 8" "8 $(($3 / 2))" "$(($2 - 8)) $(($3 / 2))"; do
    [ "$(e2e_file_pixel "$1" $point)" != "$key" ] && echo "$point" && return 0
  done
  fail "no face pixel in $1"
}

# Saves a crop of the screen as a PNG: e2e_screen_crop FILE X Y W H.
e2e_screen_crop() { import -window root -crop "$4x$5+$2+$3" +repage "$1"; }

e2e_process_gone() { ! kill -0 "$1" 2>/dev/null; }
e2e_viewable() { xwininfo -id "$1" 2>/dev/null | grep 'Map State: IsViewable' >/dev/null; }
e2e_hidden() { ! e2e_viewable "$1"; }
e2e_window_gone() { ! xwininfo -id "$1" >/dev/null 2>&1; }
e2e_override_redirect() { xwininfo -id "$1" 2>/dev/null | grep 'Override Redirect State: yes' >/dev/null; }

# Prints the icon windows that PID has docked in the window manager's tray.
e2e_tray_icons() {
  local tray w found=1
  tray=$(xdotool search --name '^SystemTray$' 2>/dev/null | head -n 1)
  [ -n "$tray" ] || return 1
  for w in $(xwininfo -tree -id "$tray" | awk '$1 ~ /^0x/ {print $1}'); do
    [ "$(xdotool getwindowpid "$w" 2>/dev/null)" = "$1" ] && printf '%d\n' "$w" && found=0
  done
  return $found
}

# Prints the mapped popup menu of PID: its override-redirect window outside the tray.
e2e_menu_window() {
  local w icons
  icons=$(e2e_tray_icons "$1" || true)
  for w in $(xdotool search --all --onlyvisible --pid "$1" --name '' 2>/dev/null); do
    ! grep -qx "$w" <<<"$icons" && e2e_override_redirect "$w" && echo "$w" && return 0
  done
  return 1
}

# e2e_tray_menu PID KEYS...: opens the menu of PID's tray icon with a right click, then types KEYS.
e2e_tray_menu() {
  local icon try
  wait_for 30 e2e_tray_icons "$1" || fail "no tray icon of $1"
  icon=$(e2e_tray_icons "$1" | head -n 1)
  for try in 1 2 3 4 5; do  # the icon may take clicks only once the tray has laid it out
    xdotool mousemove --window "$icon" 8 8 click 3
    wait_for 3 e2e_menu_window "$1" && break
  done
  e2e_menu_window "$1" >/dev/null || fail "the tray menu did not open"
  xdotool key "${@:2}"
}

# e2e_open_sheet: waits for the settings sheet and gives it the focus; sets sheet.
e2e_sheet() { xdotool search --onlyvisible --name '^Amberlane' 2>/dev/null | head -n 1; }
e2e_open_sheet() {
  wait_for 10 e2e_sheet || fail "no settings sheet opened"
  sheet=$(e2e_sheet)
  wait_for 3 eval '[ "$(xdotool getwindowfocus)" = "$sheet" ]' || wait_for 10 xdotool windowactivate --sync "$sheet"
}

# Types a reminder "wake up" at 07:05:00 into the open sheet: the Time reminders tab, then list,
# time, "启用", message and "添加" in tab order.
e2e_sheet_add_reminder() {
  xdotool key Right Right Tab Tab
  xdotool type --delay 50 070500
  xdotool key Tab space Tab
  xdotool type --delay 50 'wake up'
  xdotool key Tab space
}

# e2e_popup_windows PID [--all]: prints the reminder popups of PID: its untitled windows that
# are not menus, only the mapped ones unless --all (a popup's window exists once it is shown).
e2e_popup_windows() {
  local w found=1
  for w in $(xdotool search --all ${2:---onlyvisible} --pid "$1" --name '^$' 2>/dev/null | sort -n); do
    e2e_override_redirect "$w" || { echo "$w"; found=0; }
  done
  return $found
}
e2e_popup_count() { [ "$(e2e_popup_windows "$1" | wc -l)" = "$2" ]; }

# e2e_click_popup WINDOW [BUTTON]: clicks a popup's face.
e2e_click_popup() {
  local x y
  read -r x y _ < <(e2e_geometry "$1")
  xdotool mousemove $((x + 61)) $((y + 40)) click "${2:-1}"
}

# Prints the current wall-clock time in milliseconds.
e2e_now_ms() { local t=${EPOCHREALTIME/[.,]/}; echo $((t / 1000)); }

# e2e_start_fake_clock DIR NUM hh:mm:ss: starts the clock from DIR reading its local time (UTC)
# from a file that stands still on 2026-01-01 at that time until e2e_step; NUM is its only digit
# strip. Sets fake_env, and bx and by, the digit box's place.
e2e_start_fake_clock() {
  E2E_CLOCK_FILE="$E2E_TMP/clock-time"
  echo "2026-01-01 $3" >"$E2E_CLOCK_FILE"
  fake_env=(LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME_TIMESTAMP_FILE="$E2E_CLOCK_FILE"
    FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 TZ=UTC)
  e2e_start_clock "$1" "${fake_env[@]}"
  wait_for 30 e2e_find_digit_box "$E2E_CLOCK_WIN" "$2" || fail "no digit box on the face"
  read -r bx by < <(e2e_find_digit_box "$E2E_CLOCK_WIN" "$2")
  E2E_NUM=$2
}

# e2e_set_time hh:mm:ss sets the faked clock; e2e_step also waits until the face reads it. The
# reminder check runs before the face is redrawn, so every popup of that second exists by then.
e2e_set_time() { echo "2026-01-01 $1" >"$E2E_CLOCK_FILE.new" && mv -f "$E2E_CLOCK_FILE.new" "$E2E_CLOCK_FILE"; }
e2e_step() {
  e2e_set_time "$1"
  wait_for 30 e2e_face_reads "$E2E_CLOCK_WIN" "$bx" "$by" "$E2E_NUM" "$1" || fail "the face does not read $1"
}

# e2e_digit_picture NUM hh:mm:ss FILE: saves the 110 x 25 digit box as the clock draws that time
# from the digit strip NUM (glyph d at x 15 d, colon at x 150, edges at x 160 and 150).
e2e_digit_picture() {
  local digits=${2//:/} parts=() i
  e2e_strip_part() { parts+=(\( -clone 0 -crop "${1}x25+$2+0" +repage \)); }
  e2e_strip_part 2 160
  for i in 0 1 2 3 4 5; do
    e2e_strip_part 15 $((15 * ${digits:i:1}))
    if ((i == 1 || i == 3)); then e2e_strip_part 8 150; fi
  done
  e2e_strip_part 2 150
  convert "BMP:$1" "${parts[@]}" -delete 0 +append "$3"
}

# e2e_find_digit_box WINDOW NUM: prints the digit box's place "X Y" in window coordinates, found
# from its two colons, 38 pixels apart.
e2e_find_digit_box() {
  local x y w h at cx cy
  read -r x y w h < <(e2e_geometry "$1")
  e2e_screen_crop "$E2E_TMP/digit-search.png" "$x" "$y" "$w" "$h"
  convert "BMP:$2" -crop 8x25+150+0 +repage "$E2E_TMP/colon.png"
  at=$(compare -metric AE -subimage-search "$E2E_TMP/digit-search.png" "$E2E_TMP/colon.png" null: 2>&1) || return 1
  [ "${at%% *}" = 0 ] || return 1
  IFS=, read -r cx cy <<<"${at##* }"
  e2e_colon_at "$((cx + 38))" "$cy" && echo "$((cx - 32)) $cy" && return 0
  e2e_colon_at "$((cx - 38))" "$cy" && echo "$((cx - 70)) $cy"
}

e2e_colon_at() {
  convert "$E2E_TMP/digit-search.png" -crop "8x25+$1+$2" +repage "$E2E_TMP/colon-here.png" 2>/dev/null &&
    [ "$(compare -metric AE "$E2E_TMP/colon-here.png" "$E2E_TMP/colon.png" null: 2>&1)" = 0 ]
}

# e2e_face_reads WINDOW BOX_X BOX_Y NUM hh:mm:ss: succeeds when the digit box shows that time.
e2e_face_reads() {
  local x y
  read -r x y _ < <(e2e_geometry "$1")
  [ -f "$E2E_TMP/digits-$5.png" ] || e2e_digit_picture "$4" "$5" "$E2E_TMP/digits-$5.png"
  e2e_screen_crop "$E2E_TMP/digits-shown.png" $((x + $2)) $((y + $3)) 110 25
  [ "$(compare -metric AE "$E2E_TMP/digits-shown.png" "$E2E_TMP/digits-$5.png" null: 2>&1)" = 0 ]
}

# e2e_reminders FILE "[YYYY:MM:DD:]hh:mm:ss message"...: writes a notify.dat of enabled reminders,
# daily without a date, once with one: "NOTIFYS", the count, then per record eight little-endian
# int32 (enabled, year, month, day, hour, minute, second, kind), the key and the GBK message, each
# after its int32 length.
e2e_reminders() {
  local file=$1 entry y mo d h m s key message
  shift
  e2e_le32() { printf '%08x' "$1" | sed 's/\(..\)\(..\)\(..\)\(..\)/\4\3\2\1/' | xxd -r -p; }
  {
    printf 'NOTIFYS'
    e2e_le32 $#
    for entry in "$@"; do
      key=${entry%% *}
      ((${#key} > 8)) || key="1971:01:01:$key"
      IFS=: read -r y mo d h m s <<<"$key"
      message=$(printf '%s' "${entry#* }" | iconv -f UTF-8 -t GBK | xxd -p | tr -d '\n')
      for field in 1 $y $((10#$mo)) $((10#$d)) $((10#$h)) $((10#$m)) $((10#$s)) $((y == 1971)); do e2e_le32 "$field"; done
      e2e_le32 ${#key}; printf '%s' "$key"
      e2e_le32 $((${#message} / 2)); xxd -r -p <<<"$message"
    done
  } >"$file"
}
