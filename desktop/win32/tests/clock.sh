#!/usr/bin/env bash
# The Windows clock under Wine: its window (name, outline, opacity, place, the time going on), the
# tray icon, a drag written once it rests, one clock per session and --quit.
. "$(dirname "$0")/lib.sh"
win_start
dir=$(win_program_dir)
e2e_keep_one_skin "$dir"
printf '[autorun]\r\nenable=0\r\n[location]\r\nx=150\r\ny=90\r\n' >"$dir/config.ini"

win_run "$dir" --quit 2>/dev/null && fail "--quit with no clock running exited 0"

win_start_clock "$dir"
read -r x y w h < <(e2e_geometry "$WIN_CLOCK")
[ "$x $y" = "150 90" ] || fail "the clock is at $x,$y, not at the configured 150,90"
e2e_override_redirect "$WIN_CLOCK" || fail "the clock window has a window-manager frame"
extents=$(xwininfo -shape -id "$WIN_CLOCK" | awk '/Window shape extents/ {print $4}')
[ -n "$extents" ] && [ "$extents" != "${w}x$h+0+0" ] || fail "the clock window has no outline (shape: $extents)"
opacity=$(xprop -id "$WIN_CLOCK" _NET_WM_WINDOW_OPACITY | awk -F' = ' '{print $2}')
[ "$opacity" = "$((0xC8C8C8C8))" ] || fail "opacity is $opacity, not alpha 200"

# The face changes as the seconds go by.
first=$(win_screen_hash "$x" "$y" "$w" "$h")
wait_for 5 eval '[ "$(win_screen_hash "$x" "$y" "$w" "$h")" != "$first" ]' || fail "the face shows no running time"

wait_for 30 win_tray_icons || fail "no icon docked in the tray"
[ "$(win_tray_icons | wc -l)" = 1 ] || fail "more than one tray icon"

# A second start (no argument: --show) hands over and leaves one clock.
win_run "$dir" || fail "a second start exited $?"
win_run "$dir" --settings || fail "a second start with --settings exited $?"
[ "$(win_clock_windows | wc -l)" = 1 ] || fail "a second start opened a second clock"
# --settings opened the sheet, modal to the clock; Escape closes it and frees the clock.
wait_for 60 win_sheet_window || fail "--settings opened no settings sheet"
sheet=$(win_sheet_window)
xdotool windowfocus --sync "$sheet" 2>/dev/null || true
xdotool key Escape
wait_for 30 eval '! win_sheet_window' || fail "Escape left the settings sheet open"
[ "$(win_tray_icons | wc -l)" = 1 ] || fail "a second start added a tray icon"

# A drag is written once it comes to rest.
read -r px py < <(e2e_face_point "$bk" "$w" "$h")
e2e_drag "$WIN_CLOCK" "$px" "$py" 120 80 || fail "the clock could not be dragged"
wait_for 10 eval '[ "$(win_ini_value "$dir" location x)" != 150 ]' || fail "the drag was not saved"
read -r nx ny _ < <(e2e_geometry "$WIN_CLOCK")
[ "$(win_ini_value "$dir" location x) $(win_ini_value "$dir" location y)" = "$nx $ny" ] ||
  fail "config.ini holds $(win_ini_value "$dir" location x),$(win_ini_value "$dir" location y), the clock is at $nx,$ny"

win_run "$dir" --quit || fail "--quit of the running clock exited $?"
wait_for 30 eval "! win_clock_window" || fail "--quit left the clock window"
wait_for 30 e2e_process_gone "$WIN_CLOCK_PID" || fail "--quit left the clock running"
wait_for 10 eval '! win_tray_icons' || fail "the tray icon stayed after the clock ended"
win_run "$dir" --quit 2>"$E2E_TMP/quit.err" && fail "--quit after the clock ended exited 0"
grep -q 'no clock is running' "$E2E_TMP/quit.err" || fail "--quit with no clock said nothing"

# Installed under Program Files, the clock reads its settings from %APPDATA%\Dovetock.
installed="$WINEPREFIX/drive_c/Program Files/Dovetock"
mkdir -p "$installed"
cp "$dir"/*.exe "$dir"/*.BK "$dir"/*.NUM "$installed/"
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")
mkdir -p "$appdata/Dovetock"
printf '[autorun]\r\nenable=0\r\n[location]\r\nx=33\r\ny=44\r\n' >"$appdata/Dovetock/config.ini"
win_start_clock "$installed"
read -r x y _ < <(e2e_geometry "$WIN_CLOCK")
[ "$x $y" = "33 44" ] || fail "the installed clock is at $x,$y, not at 33,44 of %APPDATA%\\Dovetock\\config.ini"
win_run "$installed" --quit || fail "--quit of the installed clock exited $?"
[ ! -e "$installed/config.ini" ] || fail "the installed clock wrote config.ini beside the program"
echo "win32 clock: window, outline, opacity, place, time, tray icon, drag, one clock, --quit, installed folders"
