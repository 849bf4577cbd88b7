#!/usr/bin/env bash
# The settings sheet in the real program, the clock in the bottom-right corner under icewm: a
# reminder typed in on the Time reminders page is in notify.dat at once; the sheet's whole frame
# lies in the work area; while it is open a reminder fires and a click closes it, and Exit from
# the tray menu ends the program without the restart that Apply made pending; another background
# confirmed with OK restarts the clock with it in place.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_wm

prog=$(e2e_program_dir)

# Clocks started by the program, not by this script, are found by their executable.
program_pids() {
  local proc
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/exe" 2>/dev/null)" = "$prog/dovetock" ] && echo "${proc#/proc/}"
  done
  return 0
}
settings_cleanup() {
  local pid
  for pid in $(program_pids); do kill "$pid" 2>/dev/null || true; done
  e2e_cleanup
}
trap settings_cleanup EXIT

mapfile -t backgrounds < <(find "$prog" -maxdepth 1 -name '*.BK' -printf '%f\n' | sort)
((${#backgrounds[@]} >= 2)) || fail "the build ships fewer than two backgrounds"
num=$(find "$prog" -maxdepth 1 -name '*.NUM' | sort | head -n 1)
find "$prog" -maxdepth 1 -name '*.NUM' ! -path "$num" -delete
first=${backgrounds[0]%.BK}
# Every background fits at the clock's place, so that no restarted clock is pushed aside.
read -r bk_w bk_h < <(for f in "${backgrounds[@]}"; do identify -format '%w %h\n' "BMP:$prog/$f"; done |
  awk '$1 > w {w = $1} $2 > h {h = $2} END {print w, h}')
read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | awk -F' = ' '{split($2, a, ", "); print a[1], a[2], a[3], a[4]}')
cx=$((ax + aw - bk_w - 2))
cy=$((ay + ah - bk_h - 2))
printf '[autorun]\nenable=0\n[location]\nx=%d\ny=%d\n[skin]\nbackground=%s\nnumber=%s\n' \
  "$cx" "$cy" "$first" "$(basename "$num" .NUM)" >"$prog/config.ini"
background() { awk -F= '/^background=/ {print $2}' "$prog/config.ini"; }

# The clock reads its time from a file that stands still until the test steps it.
clock_file="$E2E_TMP/clock-time"
e2e_set_fake_clock "$clock_file" "2026-01-01 07:04:50"
mapfile -t fake_env < <(e2e_fake_clock_env "$clock_file")
e2e_start_clock "$prog" "${fake_env[@]}"
clock_pid=$E2E_CLOCK_PID
wait_for 30 e2e_find_digit_box "$E2E_CLOCK_WIN" "$num" || fail "no digit box on the face"
read -r bx by < <(e2e_find_digit_box "$E2E_CLOCK_WIN" "$num")

# Visible windows of a process named exactly "dovetock" (the clock itself is "Dovetock"): the
# tray icon, and the tray menu while it is open.
small_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$1" --name '^dovetock$' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = dovetock ] && echo "$w"
  done
  return 0
}
tray_icon_shown() { [ "$(small_windows "$1" | wc -l)" -ge 1 ]; }
menu_open() { [ "$(small_windows "$1" | wc -l)" -ge 2 ]; }
sheet_window() { xdotool search --onlyvisible --name '^Amberlane' 2>/dev/null | head -n 1; }
sheet_open() { [ -n "$(sheet_window)" ]; }
sheet_closed() { [ -z "$(sheet_window)" ]; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# tray_menu PID KEYS...: opens the tray icon's menu with a right click and picks an item by keys.
tray_menu() {
  local pid=$1
  shift
  wait_for 30 tray_icon_shown "$pid" || fail "no tray icon for $pid"
  xdotool mousemove --window "$(small_windows "$pid" | head -n 1)" 12 12 click 3
  wait_for 10 menu_open "$pid" || fail "the tray menu did not open"
  xdotool key "$@"
}

# Opens "配置" (the menu's last item) and waits for the sheet to have the focus.
open_settings() {
  tray_menu "$1" Up Return
  wait_for 10 sheet_open || fail "the settings sheet did not open"
  sheet=$(sheet_window)
  wait_for 10 has_focus "$sheet" || xdotool windowactivate --sync "$sheet"
}

# A reminder typed in: Time reminders tab, then list, time, "启用", message and "添加" in tab order.
open_settings "$clock_pid"
xdotool key Right Right Tab Tab
xdotool type --delay 50 070500
xdotool key Tab space Tab
xdotool type --delay 50 'wake up'
xdotool key Tab space
notify="$prog/notify.dat"
wait_for 10 test -s "$notify" || fail "notify.dat was not written"
xdotool key Escape
wait_for 10 sheet_closed || fail "Escape did not close the sheet"

[ "$(head -c 7 "$notify")" = NOTIFYS ] || fail "notify.dat does not start with NOTIFYS"
count_and_flag=$(od -An -tx1 -j7 -N8 "$notify" | tr -s ' ')
[ "$count_and_flag" = " 01 00 00 00 01 00 00 00" ] || fail "count and enabled flag are '$count_and_flag'"
grep -qa '1971:01:01:07:05:00' "$notify" || fail "notify.dat holds no reminder at 07:05:00"
grep -qa 'wake up' "$notify" || fail "notify.dat lacks the message"
kill -0 "$clock_pid" || fail "closing the sheet without a skin change ended the clock"

# The reminder armed at 07:04:53; the sheet open again beside the clock in the corner.
e2e_set_fake_clock "$clock_file" "2026-01-01 07:04:53"
wait_for 30 e2e_face_reads "$E2E_CLOCK_WIN" "$bx" "$by" "$num" 07:04:53 || fail "the face does not read 07:04:53"
open_settings "$clock_pid"
frame_inside() {
  local x y w h l r t b
  read -r x y w h < <(e2e_geometry "$sheet")
  read -r l r t b < <(xprop -id "$sheet" _NET_FRAME_EXTENTS | awk -F' = ' '{gsub(/,/, ""); print $2}')
  [ -n "$b" ] && ((x - l >= ax && y - t >= ay && x + w + r <= ax + aw && y + h + b <= ay + ah))
}
wait_for 10 frame_inside ||
  fail "the sheet ($(e2e_geometry "$sheet"), $(xprop -id "$sheet" _NET_FRAME_EXTENTS)) leaves the work area $ax $ay $aw $ah"

# Another background applied, then the reminder fires; a click closes it about 2.1 s later.
xdotool key Right Tab Down alt+a
background_changed() { [ "$(background)" != "$first" ]; }
wait_for 10 background_changed || fail "Apply did not save another background"
e2e_set_fake_clock "$clock_file" "2026-01-01 07:05:00"
wait_for 30 e2e_popup_windows "$clock_pid" || fail "no popup at 07:05:00 while the sheet is open"
popup=$(e2e_popup_windows "$clock_pid" | head -n 1)
read -r px py _ < <(e2e_geometry "$popup")
clicked=$(e2e_now_ms)
xdotool mousemove $((px + 61)) $((py + 40)) click 1
popup_gone() { ! e2e_viewable "$popup"; }
wait_for 30 popup_gone || fail "the clicked popup is still open 30 s later"
closed=$(($(e2e_now_ms) - clicked))
((closed >= 1500)) || fail "the popup closed $closed ms after the click"
sheet_open || fail "the sheet closed with the popup"

# Exit from the tray menu ends the program, and no new clock starts.
tray_menu "$clock_pid" Down Down Return
wait_for 20 e2e_process_gone "$clock_pid" || fail "Exit did not end the clock"
[ -z "$(program_pids)" ] || fail "a new clock started after Exit"

# Another background, confirmed with OK: the clock restarts with it at the saved position.
first=$(background)
e2e_start_clock "$prog" "${fake_env[@]}"
clock_pid=$E2E_CLOCK_PID
open_settings "$clock_pid"
xdotool key Right Tab Down Return
wait_for 20 e2e_process_gone "$clock_pid" || fail "the old clock did not end"
new_clock() {
  local w
  for w in $(xdotool search --onlyvisible --name '^Dovetock$' 2>/dev/null); do
    [ "$(xdotool getwindowpid "$w" 2>/dev/null)" != "$clock_pid" ] && echo "$w" && return 0
  done
  return 1
}
wait_for 30 new_clock || fail "no new clock window appeared"
win=$(new_clock)

background=$(background)
[ -n "$background" ] && [ "$background" != "$first" ] || fail "config.ini names background '$background'"
[ -f "$prog/$background.BK" ] || fail "config.ini names a background that is not there: $background"
read -r bk_w bk_h < <(identify -format '%w %h\n' "BMP:$prog/$background.BK")
read -r x y w h < <(e2e_geometry "$win")
[ "$x $y" = "$cx $cy" ] || fail "the new clock is at ($x, $y), not at the saved ($cx, $cy)"
[ "$w $h" = "$bk_w $bk_h" ] || fail "the new clock is ${w}x${h}, $background.BK is ${bk_w}x${bk_h}"
grep -qa 'wake up' "$notify" || fail "the restart lost the reminder"

echo "settings: reminder saved and fired with the sheet open (closed $closed ms after its click);" \
  "Exit left no clock; background $first -> $background, restarted at ($x, $y)"
