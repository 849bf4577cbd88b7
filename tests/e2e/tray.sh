#!/usr/bin/env bash
# The clock window and its tray icon under icewm: size, opacity, stacking, taskbar and outline; an
# icon in a tray started after the clock and again after the tray restarts; no file read while
# idle; no sound or network library loaded by the start; the menu: Hide, show again, Exit; a quick click and a drag on the face; a settings file
# that names a position and skins.
source "$(dirname "$0")/lib.sh"

e2e_start_display
prog=$(e2e_program_dir)
e2e_keep_one_skin "$prog"
e2e_start_clock "$prog"
pid=$E2E_CLOCK_PID
clock=$E2E_CLOCK_WIN
# --- The start loads no library the first paint does not need: libcanberra and its codecs come
# with the first sound, and the single-instance socket needs no network library.
late=$(grep -oE '/[^ ]*lib(canberra|vorbis|ogg|tdb|ltdl|Qt6Network|gssapi)[^ /]*$' "/proc/$pid/maps" | sort -u || true)
[ -z "$late" ] || fail "the start loaded $(tr '\n' ' ' <<<"$late")"

# --- The icon appears in a tray started after the clock, and again when the tray restarts.
e2e_start_wm
wait_for 30 e2e_tray_icons "$pid" || fail "no icon once a tray started after the clock"
kill "${E2E_PIDS[-1]}"
wait_for 30 eval '! e2e_tray_ready' || fail "the tray did not go away"
e2e_start_wm
wait_for 30 e2e_tray_icons "$pid" || fail "no icon in the restarted tray"

# --- The window has the background's size, is 200/255 opaque, kept above and off the taskbar;
# key-coloured pixels are cut out and the face shows the picture's colours.
read -r x0 y0 w h < <(e2e_geometry "$clock")
[ "$w $h" = "$(identify -format '%w %h' "BMP:$bk")" ] || fail "the window is ${w}x$h, unlike $bk"
opacity=$(xprop -id "$clock" _NET_WM_WINDOW_OPACITY | awk -F' = ' '{print $2}')
[ "$opacity" = "$((0xC8C8C8C8))" ] || fail "opacity property is '$opacity'"
state=$(xprop -id "$clock" _NET_WM_STATE)
grep -q _NET_WM_STATE_ABOVE <<<"$state" || fail "not kept above: $state"
grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state" || fail "has a taskbar entry: $state"
key=$(e2e_file_pixel "$bk" 0 0)
[ "$(e2e_screen_pixel "$x0" "$y0")" != "$key" ] || fail "the key colour $key is drawn at the window's corner"
# face_shows BK: the clock shows BK's colour at a face point.
face_shows() {
  local x y w h px py
  read -r x y w h < <(e2e_geometry "$clock")
  read -r px py <<<"$(e2e_face_point "$1" "$w" "$h")"
  [ "$(e2e_screen_pixel $((x + px)) $((y + py)))" = "$(e2e_file_pixel "$1" "$px" "$py")" ]
}
wait_for 30 face_shows "$bk" || fail "the face does not show the colours of $bk"

# --- Idle, the clock reads no file: over three changes of the face, strace sees no file call and
# no read of a file (reads of its sockets, pipes and event counters are its event loop).
strace -f -y -e trace=%file,read -o "$E2E_TMP/idle.strace" -p "$pid" 2>"$E2E_TMP/strace.log" &
E2E_PIDS+=($!)
strace_pid=$!
wait_for 30 grep -q attached "$E2E_TMP/strace.log" || fail "strace could not attach: $(cat "$E2E_TMP/strace.log")"
import -window "$clock" "$E2E_TMP/face-0.png"
for i in 1 2 3; do
  face_changed() { import -window "$clock" "$E2E_TMP/face-$i.png" &&
    [ "$(compare -metric AE "$E2E_TMP/face-$i.png" "$E2E_TMP/face-$((i - 1)).png" null: 2>&1)" != 0 ]; }
  wait_for 30 face_changed || fail "the face did not change for 30 s"
done
kill -INT "$strace_pid"
wait "$strace_pid" 2>/dev/null || true
file_calls=$(grep -vE '^[0-9]+ +(read\([0-9]+<(socket|UNIX|anon_inode|pipe):|<\.\.\. read resumed>|\+\+\+|---)' "$E2E_TMP/idle.strace" || true)
[ -z "$file_calls" ] || fail "the idle clock went to its files: $(head -n 5 <<<"$file_calls")"

# --- The icon's menu belongs to the right button's release: none shows while it is held (a slow
# machine can only make this check pass more easily). It opens with its right edge at the pointer;
# its first item "隐藏" hides the clock, and a left click on the icon shows it again.
icon=$(e2e_tray_icons "$pid" | head -n 1)
read -r ix iy iw ih < <(e2e_geometry "$icon")
xdotool mousemove --window "$icon" $((iw / 2)) $((ih / 2)) mousedown 3
sleep 1
if e2e_menu_window "$pid" >/dev/null; then xdotool mouseup 3; fail "the menu opened on the right button's press"; fi
xdotool mouseup 3
wait_for 30 e2e_menu_window "$pid" || fail "a right click on the tray icon opened no menu"
read -r mx my mw mh < <(e2e_geometry "$(e2e_menu_window "$pid")")
pointer_x=$((ix + iw / 2))
((mx + mw - pointer_x <= 1 && pointer_x - (mx + mw) <= 1)) ||
  fail "the menu spans x $mx..$((mx + mw)), the pointer was at x $pointer_x"
xdotool key Down Return
wait_for 30 eval '! e2e_menu_window "$pid"' || fail "the menu stayed open after choosing an item"
wait_for 30 e2e_hidden "$clock" || fail "Hide left the clock on screen"
xdotool mousemove --window "$icon" $((iw / 2)) $((ih / 2)) click 1
wait_for 30 e2e_viewable "$clock" || fail "a left click on the tray icon did not show the clock"

# --- A click released before the clock handles its press (a touchpad tap) moves nothing: the
# window stays while the pointer wanders off and back, and takes the next click itself (a window
# manager still carrying it would take that click to drop it).
read -r x0 y0 w h < <(e2e_geometry "$clock")
read -r gx gy <<<"$(e2e_face_point "$bk" "$w" "$h")"
cp "$prog/config.ini" "$E2E_TMP/config.before-tap"
xdotool mousemove $((x0 + gx)) $((y0 + gy)) mousedown 1 mouseup 1
for step in 1 2 3 4 3 2 1 0; do xdotool mousemove $((x0 + gx + 60 * step)) $((y0 + gy + 40 * step)); done
xdotool click 3
wait_for 30 e2e_menu_window "$pid" || fail "after a quick click the face took no right click"
xdotool key Escape
wait_for 30 eval '! e2e_menu_window "$pid"' || fail "the face's menu stayed open"
[ "$(e2e_geometry "$clock" | cut -d' ' -f1,2)" = "$x0 $y0" ] ||
  fail "a quick click moved the window from ($x0, $y0) to ($(e2e_geometry "$clock" | cut -d' ' -f1,2))"
cmp -s "$prog/config.ini" "$E2E_TMP/config.before-tap" || fail "a quick click wrote config.ini: $(cat "$prog/config.ini")"

# --- Dragging the face moves the window and writes its new place into config.ini.
ini_location() { awk -F= '/^\[/ {s = tolower($0)} s == "[location]" && $1 == "x" {x = $2} s == "[location]" && $1 == "y" {y = $2} END {print x, y}' "$prog/config.ini"; }
e2e_drag "$clock" "$gx" "$gy" 150 100 || fail "dragging the face did not move the window"
settled() {
  local pos
  pos=$(e2e_geometry "$clock" | cut -d' ' -f1,2)
  [ "$(ini_location)" = "$pos" ] && [ "$pos" != "$x0 $y0" ]
}
wait_for 30 settled ||
  fail "after the drag the window is at ($(e2e_geometry "$clock" | cut -d' ' -f1,2)), config.ini says ($(ini_location))"
read -r x1 y1 _ < <(e2e_geometry "$clock")
((x1 > x0 + 50 && y1 > y0 + 30)) || fail "a drag by (+150, +100) moved the window from ($x0, $y0) to ($x1, $y1)"

# --- "退出" ends the program and takes the icon away; nothing is written on the way out.
cp "$prog/config.ini" "$E2E_TMP/config.before-exit"
e2e_tray_menu "$pid" Down Down Return
wait_for 30 e2e_process_gone "$pid" || fail "Exit did not end the program"
wait_for 30 e2e_window_gone "$icon" || fail "the tray icon outlived the program"
cmp -s "$prog/config.ini" "$E2E_TMP/config.before-exit" || fail "Exit rewrote config.ini"
[ ! -e "$prog/notify.dat" ] || fail "the run created notify.dat"

# --- A config.ini from Windows (CRLF) naming a position and skins: the window opens there with
# those skins, and start-up writes nothing. Copies of the other skins under further names make a
# random pick of the named ones unlikely.
prog2=$(e2e_program_dir 2)
bk2=$(find "$prog2" -maxdepth 1 -name '*.BK' | sort | tail -n 1)
num2=$(find "$prog2" -maxdepth 1 -name '*.NUM' | sort | tail -n 1)
for skin in $(find "$prog2" -maxdepth 1 \( -name '*.BK' -o -name '*.NUM' \) ! -path "$bk2" ! -path "$num2"); do
  for i in $(seq 10); do cp "$skin" "$prog2/Copy$i-$(basename "$skin")"; done
done
printf '[location]\r\nx=230\r\ny=140\r\n[autorun]\r\nenable=0\r\n[skin]\r\nbackground=%s\r\nnumber=%s\r\n' \
  "$(basename "$bk2" .BK)" "$(basename "$num2" .NUM)" >"$prog2/config.ini"
cp "$prog2/config.ini" "$E2E_TMP/config.before-start"
e2e_start_clock "$prog2"
clock=$E2E_CLOCK_WIN
read -r x y w h < <(e2e_geometry "$clock")
[ "$x $y" = "230 140" ] || fail "the window opened at ($x, $y), config.ini names (230, 140)"
[ "$w $h" = "$(identify -format '%w %h' "BMP:$bk2")" ] || fail "the window is ${w}x$h, unlike $bk2"
wait_for 30 face_shows "$bk2" || fail "the face does not show the colours of $bk2"
wait_for 30 e2e_find_digit_box "$clock" "$num2" || fail "the colons of $num2 are not on the face"
cmp -s "$prog2/config.ini" "$E2E_TMP/config.before-start" || fail "start-up rewrote config.ini"
[ ! -e "$prog2/notify.dat" ] || fail "start-up created notify.dat"

echo "tray: late and restarted tray; window ${w}x${h}, opacity $opacity; menu ${mw}x${mh}, hide/show," \
  "drag to ($x1, $y1), exit; $(basename "$bk2")/$(basename "$num2") at (230, 140)"
