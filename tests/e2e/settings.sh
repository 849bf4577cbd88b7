#!/usr/bin/env bash
# The settings sheet in the real program: a reminder typed in on the Time reminders page is in
# notify.dat at once; another background confirmed with OK restarts the clock with it in place.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_wm

prog=$(e2e_program_dir)

# The restarted clock is started by the program, not by this script: end it by its executable.
settings_cleanup() {
  local proc
  for proc in /proc/[0-9]*; do
    if [ "$(readlink "$proc/exe" 2>/dev/null)" = "$prog/dovetock" ]; then
      kill "${proc#/proc/}" 2>/dev/null || true
    fi
  done
  e2e_cleanup
}
trap settings_cleanup EXIT

mapfile -t backgrounds < <(find "$prog" -maxdepth 1 -name '*.BK' -printf '%f\n' | sort)
((${#backgrounds[@]} >= 2)) || fail "the build ships fewer than two backgrounds"
number=$(find "$prog" -maxdepth 1 -name '*.NUM' -printf '%f\n' | sort | head -n 1)
first=${backgrounds[0]%.BK}
cat >"$prog/config.ini" <<EOF
[autorun]
enable=0
[location]
x=300
y=200
[skin]
background=$first
number=${number%.NUM}
EOF

e2e_start_clock "$prog"
clock_pid=$E2E_CLOCK_PID

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

# Opens "配置" from the tray icon's menu (the last item) and waits for the sheet to have the focus.
open_settings() {
  local pid=$1 icon sheet
  wait_for 30 tray_icon_shown "$pid" || fail "no tray icon for $pid"
  icon=$(small_windows "$pid" | head -n 1)
  xdotool mousemove --window "$icon" 12 12 click 3
  wait_for 10 menu_open "$pid" || fail "the tray menu did not open"
  xdotool key Up Return
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

# Another background, confirmed with OK: the clock restarts with it at the saved position.
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
E2E_PIDS+=("$(xdotool getwindowpid "$win")")

background=$(awk -F= '/^background=/ {print $2}' "$prog/config.ini")
[ -n "$background" ] && [ "$background" != "$first" ] || fail "config.ini names background '$background'"
[ -f "$prog/$background.BK" ] || fail "config.ini names a background that is not there: $background"
read -r bk_w bk_h < <(identify -format '%w %h\n' "BMP:$prog/$background.BK")
read -r x y w h < <(e2e_geometry "$win")
[ "$x $y" = "300 200" ] || fail "the new clock is at ($x, $y), not at the saved (300, 200)"
[ "$w $h" = "$bk_w $bk_h" ] || fail "the new clock is ${w}x${h}, $background.BK is ${bk_w}x${bk_h}"
grep -qa 'wake up' "$notify" || fail "the restart lost the reminder"

echo "settings: reminder 07:05:00 saved; background $first -> $background, restarted at ($x, $y)"
