#!/usr/bin/env bash
# The clock with its settings sheet open, under icewm, the clock in the bottom-right corner: the
# sheet's whole frame lies in the work area; a reminder fires and a click closes it about 2.1 s
# later; the tray menu opens, and Exit from it ends the program without a restart, although
# Apply chose another background.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_wm

prog=$(e2e_program_dir)
restarted() {
  local proc
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/exe" 2>/dev/null)" = "$prog/dovetock" ] && echo "${proc#/proc/}"
  done
  return 0
}
settings_open_cleanup() {
  local pid
  for pid in $(restarted); do kill "$pid" 2>/dev/null || true; done
  e2e_cleanup
}
trap settings_open_cleanup EXIT

num=$(find "$prog" -maxdepth 1 -name '*.NUM' | sort | head -n 1)
find "$prog" -maxdepth 1 -name '*.NUM' ! -path "$num" -delete
bk=$(find "$prog" -maxdepth 1 -name '*.BK' | sort | head -n 1)
[ -n "$num" ] && [ -n "$bk" ] || fail "the build ships no skins"
first=$(basename "$bk" .BK)
read -r bk_w bk_h < <(identify -format '%w %h\n' "BMP:$bk")
read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | awk -F' = ' '{split($2, a, ", "); print a[1], a[2], a[3], a[4]}')
cat >"$prog/config.ini" <<EOF
[autorun]
enable=0
[location]
x=$((ax + aw - bk_w - 2))
y=$((ay + ah - bk_h - 2))
[skin]
background=$first
number=$(basename "$num" .NUM)
EOF

clock_file="$E2E_TMP/clock-time"
e2e_set_fake_clock "$clock_file" "2026-01-01 07:04:50"
mapfile -t fake_env < <(e2e_fake_clock_env "$clock_file")
e2e_start_clock "$prog" "${fake_env[@]}"
pid=$E2E_CLOCK_PID
clock=$E2E_CLOCK_WIN
wait_for 30 e2e_find_digit_box "$clock" "$num" || fail "no digit box on the face"
read -r bx by < <(e2e_find_digit_box "$clock" "$num")
step() {
  e2e_set_fake_clock "$clock_file" "2026-01-01 $1"
  wait_for 30 e2e_face_reads "$clock" "$bx" "$by" "$num" "$1" || fail "the face does not read $1"
}

small_windows() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$pid" --name '^dovetock$' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = dovetock ] && echo "$w"
  done
  return 0
}
tray_icon_shown() { [ "$(small_windows | wc -l)" -ge 1 ]; }
menu_open() { [ "$(small_windows | wc -l)" -ge 2 ]; }
sheet_window() { xdotool search --onlyvisible --name '^Amberlane' 2>/dev/null | head -n 1; }
sheet_open() { [ -n "$(sheet_window)" ]; }
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# tray_menu KEYS...: opens the tray menu with a right click and picks an item by keys.
tray_menu() {
  wait_for 30 tray_icon_shown || fail "no tray icon"
  xdotool mousemove --window "$(small_windows | head -n 1)" 12 12 click 3
  wait_for 10 menu_open || fail "the tray menu did not open"
  xdotool key "$@"
}
open_settings() {
  tray_menu Up Return
  wait_for 10 sheet_open || fail "the settings sheet did not open"
  sheet=$(sheet_window)
  wait_for 10 has_focus "$sheet" || xdotool windowactivate --sync "$sheet"
}

# A reminder at 07:05:00, typed in as the settings test does, armed at 07:04:53.
open_settings
xdotool key Right Right Tab Tab
xdotool type --delay 50 070500
xdotool key Tab space Tab
xdotool type --delay 50 'tea'
xdotool key Tab space
wait_for 10 grep -qa 1971:01:01:07:05:00 "$prog/notify.dat" || fail "the reminder was not saved"
xdotool key Escape
wait_for 10 e2e_window_gone "$sheet" || fail "Escape did not close the sheet"
step 07:04:53

# The sheet again, beside the clock in the corner: its frame lies wholly in the work area.
open_settings
frame_inside() {
  local x y w h l r t b
  read -r x y w h < <(e2e_geometry "$sheet")
  read -r l r t b < <(xprop -id "$sheet" _NET_FRAME_EXTENTS | awk -F' = ' '{gsub(/,/, ""); print $2}')
  [ -n "$b" ] && ((x - l >= ax && y - t >= ay && x + w + r <= ax + aw && y + h + b <= ay + ah))
}
wait_for 10 frame_inside || fail "the sheet's frame ($(e2e_geometry "$sheet"), extents $(xprop -id "$sheet" _NET_FRAME_EXTENTS)) leaves the work area $ax $ay $aw $ah"

# Another background, applied: the sheet stays open with a restart pending.
xdotool key Right Tab Down alt+a
background_changed() { [ "$(awk -F= '/^background=/ {print $2}' "$prog/config.ini")" != "$first" ]; }
wait_for 10 background_changed || fail "Apply did not save another background"

# The reminder fires while the sheet is open, and a click closes it about 2.1 s later.
e2e_set_fake_clock "$clock_file" "2026-01-01 07:05:00"
wait_for 30 e2e_popup_windows "$pid" || fail "no popup at 07:05:00 while the sheet is open"
popup=$(e2e_popup_windows "$pid" | head -n 1)
read -r px py _ < <(e2e_geometry "$popup")
clicked=$(e2e_now_ms)
xdotool mousemove $((px + 61)) $((py + 40)) click 1
popup_gone() { ! e2e_viewable "$popup"; }
wait_for 30 popup_gone || fail "the clicked popup is still open 30 s later"
closed=$(($(e2e_now_ms) - clicked))
((closed >= 1500)) || fail "the popup closed $closed ms after the click"
sheet_open || fail "the sheet closed with the popup"

# Exit from the tray menu ends the program, and no new clock starts.
tray_menu Down Down Return
wait_for 20 e2e_process_gone "$pid" || fail "Exit did not end the clock"
[ -z "$(restarted)" ] || fail "a new clock started after Exit: $(restarted)"

echo "settings open: sheet frame inside the work area; popup closed $closed ms after its click; Exit left no clock"
