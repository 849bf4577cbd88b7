#!/usr/bin/env bash
# The settings sheet in the real program, the clock in the bottom-right corner under icewm: a
# reminder typed in on the Time reminders page is in notify.dat at once; the sheet's whole frame
# lies in the work area; while it is open a reminder fires and a click closes it, and Exit from
# the tray menu ends the program without the restart that Apply made pending; a damaged background
# is not offered; another background confirmed with OK restarts the clock with it in place.
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
trap 'kill $(program_pids) 2>/dev/null || true; e2e_cleanup' EXIT

mapfile -t backgrounds < <(find "$prog" -maxdepth 1 -name '*.BK' -printf '%f\n' | sort)
((${#backgrounds[@]} >= 2)) || fail "the build ships fewer than two backgrounds"
num=$(find "$prog" -maxdepth 1 -name '*.NUM' | sort | head -n 1)
find "$prog" -maxdepth 1 -name '*.NUM' ! -path "$num" -delete
first=${backgrounds[0]%.BK}
# A damaged background listed right after the first one is not offered: Down picks the next good one.
damaged=${first}z
head -c 200 "$prog/${backgrounds[0]}" >"$prog/$damaged.BK"
# Every background fits at the clock's place, so that no restarted clock is pushed aside.
read -r bk_w bk_h < <(for f in "${backgrounds[@]}"; do identify -format '%w %h\n' "BMP:$prog/$f"; done |
  awk '$1 > w {w = $1} $2 > h {h = $2} END {print w, h}')
read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | awk -F' = ' '{split($2, a, ", "); print a[1], a[2], a[3], a[4]}')
cx=$((ax + aw - bk_w - 2)) cy=$((ay + ah - bk_h - 2))
printf '[autorun]\nenable=0\n[location]\nx=%d\ny=%d\n[skin]\nbackground=%s\nnumber=%s\n' \
  "$cx" "$cy" "$first" "$(basename "$num" .NUM)" >"$prog/config.ini"
background() { awk -F= '/^background=/ {print $2}' "$prog/config.ini"; }

e2e_start_fake_clock "$prog" "$num" 07:04:50
clock_pid=$E2E_CLOCK_PID

# --- A reminder typed in ("配置" is the menu's last item) is written at once.
e2e_tray_menu "$clock_pid" Up Return
e2e_open_sheet
e2e_sheet_add_reminder
notify="$prog/notify.dat"
e2e_reminders "$E2E_TMP/expected.dat" "07:05:00 wake up"
wait_for 10 cmp "$notify" "$E2E_TMP/expected.dat" || fail "notify.dat holds: $(od -c "$notify" 2>&1)"
xdotool key Escape
wait_for 10 eval '[ -z "$(e2e_sheet)" ]' || fail "Escape did not close the sheet"
kill -0 "$clock_pid" || fail "closing the sheet without a skin change ended the clock"

# --- The reminder armed at 07:04:53; the sheet open again beside the clock in the corner.
e2e_step 07:04:53
e2e_tray_menu "$clock_pid" Up Return
e2e_open_sheet
frame_inside() {
  local x y w h l r t b
  read -r x y w h < <(e2e_geometry "$sheet")
  read -r l r t b < <(xprop -id "$sheet" _NET_FRAME_EXTENTS | awk -F' = ' '{gsub(/,/, ""); print $2}')
  [ -n "$b" ] && ((x - l >= ax && y - t >= ay && x + w + r <= ax + aw && y + h + b <= ay + ah))
}
wait_for 10 frame_inside ||
  fail "the sheet ($(e2e_geometry "$sheet"), $(xprop -id "$sheet" _NET_FRAME_EXTENTS)) leaves the work area $ax $ay $aw $ah"

# --- Another background applied, then the reminder fires; a click closes it, not the sheet.
xdotool key Right Tab Down alt+a
wait_for 10 eval '[ "$(background)" != "$first" ]' || fail "Apply did not save another background"
[ "$(background)" != "$damaged" ] || fail "the damaged background $damaged was offered"
e2e_set_time 07:05:00
wait_for 30 e2e_popup_windows "$clock_pid" || fail "no popup at 07:05:00 while the sheet is open"
popup=$(e2e_popup_windows "$clock_pid")
e2e_click_popup "$popup"
wait_for 30 e2e_hidden "$popup" || fail "the clicked popup is still open 30 s later"
[ -n "$(e2e_sheet)" ] || fail "the sheet closed with the popup"

# --- Exit from the tray menu ends the program, and no new clock starts.
e2e_tray_menu "$clock_pid" Down Down Return
wait_for 20 e2e_process_gone "$clock_pid" || fail "Exit did not end the clock"
[ -z "$(program_pids)" ] || fail "a new clock started after Exit"

# --- Another background, confirmed with OK: the clock restarts with it at the saved position.
first=$(background)
e2e_start_clock "$prog" "${fake_env[@]}"
clock_pid=$E2E_CLOCK_PID
e2e_tray_menu "$clock_pid" Up Return
e2e_open_sheet
xdotool key Right Tab Down Return
wait_for 20 e2e_process_gone "$clock_pid" || fail "the old clock did not end"
new_clock() { e2e_find_window "$(program_pids)"; }
wait_for 30 new_clock || fail "no new clock window appeared"
win=$(new_clock)

background=$(background)
[ -n "$background" ] && [ "$background" != "$first" ] || fail "config.ini names background '$background'"
read -r x y w h < <(e2e_geometry "$win")
[ "$x $y" = "$cx $cy" ] || fail "the new clock is at ($x, $y), not at the saved ($cx, $cy)"
[ "$w $h" = "$(identify -format '%w %h' "BMP:$prog/$background.BK")" ] || fail "the new clock is ${w}x${h}, unlike $background.BK"
grep -qa 'wake up' "$notify" || fail "the restart lost the reminder"

echo "settings: reminder saved and fired with the sheet open; Exit left no clock;" \
  "background $first -> $background, restarted at ($x, $y)"
