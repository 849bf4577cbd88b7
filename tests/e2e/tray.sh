#!/usr/bin/env bash
# The tray icon and its menu under icewm: Hide, show again, Exit, dragging the face, and a
# settings file that names a position and skins.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_wm

prog=$(e2e_program_dir)
e2e_keep_one_skin "$prog"

e2e_start_clock "$prog"
pid=$E2E_CLOCK_PID
clock=$E2E_CLOCK_WIN

# --- The icon sits in the tray.
wait_for 30 e2e_tray_icons "$pid" || fail "no icon of the clock in the tray"
icon=$(e2e_tray_icons "$pid" | head -n 1)
read -r ix iy iw ih < <(e2e_geometry "$icon")
((iw > 0 && ih > 0)) || fail "the tray icon is ${iw}x${ih}"

# Opens the menu with a right click on the icon; sets menu, mx, my, mw, mh.
# The menu belongs to the button's release: while the button is held no menu may show (a
# slow machine can only make this check pass more easily, never fail wrongly).
open_menu_from_icon() {
  xdotool mousemove --window "$icon" $((iw / 2)) $((ih / 2)) mousedown 3
  sleep 1
  if e2e_menu_window "$pid" >/dev/null; then
    xdotool mouseup 3
    fail "the menu opened on the right button's press"
  fi
  xdotool mouseup 3
  wait_for 30 e2e_menu_window "$pid" || fail "a right click on the tray icon opened no menu"
  menu=$(e2e_menu_window "$pid")
  read -r mx my mw mh < <(e2e_geometry "$menu")
}

# Clicks menu item INDEX (0 "隐藏", 1 "退出", 2 "自动启动", 3 "提醒声音", 4 "配置"), placed from the
# separators.
click_menu_item() {
  local separators first second y
  separators=$(e2e_menu_separators "$menu")
  [ "$(wc -l <<<"$separators")" = 2 ] || fail "the menu has separators at rows: $(echo $separators)"
  first=$(sed -n 1p <<<"$separators")
  second=$(sed -n 2p <<<"$separators")
  case $1 in
    0) y=$((first / 4)) ;;
    1) y=$((first * 3 / 4)) ;;
    2) y=$(((3 * first + second) / 4)) ;;
    3) y=$(((first + 3 * second) / 4)) ;;
    4) y=$(((second + mh) / 2)) ;;
  esac
  xdotool mousemove $((mx + mw / 2)) $((my + y)) click 1
}

menu_closed() { ! e2e_menu_window "$pid"; }

# --- Right click: the menu opens with its right edge at the pointer, five items split 2 / 2 / 1
# by two separators.
open_menu_from_icon
pointer_x=$((ix + iw / 2))
((mx + mw - pointer_x <= 1 && pointer_x - (mx + mw) <= 1)) ||
  fail "the menu spans x $mx..$((mx + mw)), the pointer was at x $pointer_x"
separators=$(e2e_menu_separators "$menu")
[ "$(wc -l <<<"$separators")" = 2 ] || fail "the menu has separators at rows: $(echo $separators)"
first=$(sed -n 1p <<<"$separators")
second=$(sed -n 2p <<<"$separators")
# Two items above the first separator, two between them, one below the second.
item=$(((second - first - 2) / 2))
((first - 2 >= 2 * item * 3 / 4 && first - 2 <= 2 * item * 5 / 4 && mh - 2 - second >= item * 3 / 4)) ||
  fail "menu of height $mh with separators at $first and $second does not hold 2 / 2 / 1 items"

# --- "隐藏" hides the clock; the icon stays; a left click on it shows the clock again.
click_menu_item 0
wait_for 30 menu_closed || fail "the menu stayed open after choosing an item"
clock_hidden() { ! e2e_viewable "$clock"; }
wait_for 30 clock_hidden || fail "Hide left the clock on screen"
e2e_tray_icons "$pid" | grep -qx "$icon" || fail "Hide removed the tray icon"
xdotool mousemove --window "$icon" $((iw / 2)) $((ih / 2)) click 1
wait_for 30 e2e_viewable "$clock" || fail "a left click on the tray icon did not show the clock"

# --- Dragging the face moves the window and writes its new place into config.ini.
read -r x0 y0 w h < <(e2e_geometry "$clock")
key=$(e2e_file_pixel "$bk" 0 0)
grab=""
for point in "$((w / 2)) $((h / 2))" "$((w / 2)) $((h - 8))" "$((w / 2)) 8" "8 $((h / 2))"; do
  if [ "$(e2e_file_pixel "$bk" $point)" != "$key" ]; then grab=$point; break; fi
done
[ -n "$grab" ] || fail "no point of the face to take hold of"
read -r gx gy <<<"$grab"
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

# --- A right click on the face opens the same menu.
xdotool mousemove $((x1 + gx)) $((y1 + gy)) click 3
wait_for 30 e2e_menu_window "$pid" || fail "a right click on the face opened no menu"
menu=$(e2e_menu_window "$pid")
read -r _ _ fw fh < <(e2e_geometry "$menu")
[ "$fw $fh" = "$mw $mh" ] || fail "the face's menu is ${fw}x${fh}, the tray's ${mw}x${mh}"
xdotool key Escape
wait_for 30 menu_closed || fail "Escape did not close the menu"

# --- "退出" ends the program and takes the icon away; nothing is written on the way out.
cp "$prog/config.ini" "$E2E_TMP/config.before-exit"
open_menu_from_icon
click_menu_item 1
wait_for 30 e2e_process_gone "$pid" || fail "Exit did not end the program"
wait_for 30 e2e_window_gone "$icon" || fail "the tray icon outlived the program"
cmp -s "$prog/config.ini" "$E2E_TMP/config.before-exit" || fail "Exit rewrote config.ini"
[ ! -e "$prog/notify.dat" ] || fail "the run created notify.dat"

# --- A config.ini from Windows (CRLF) naming a position and skins: the window opens there with
# those skins, and start-up writes nothing.
prog2=$(e2e_program_dir 2)
bk2=$(find "$prog2" -maxdepth 1 -name '*.BK' | sort | tail -n 1)
num2=$(find "$prog2" -maxdepth 1 -name '*.NUM' | sort | tail -n 1)
others=$(find "$prog2" -maxdepth 1 -name '*.NUM' ! -path "$num2" | sort)
[ -n "$others" ] || fail "the build ships only one digit strip"
bk2_name=$(basename "$bk2" .BK)
num2_name=$(basename "$num2" .NUM)
# Copies of the other skins under further names make a random pick of the named ones unlikely.
for skin in $(find "$prog2" -maxdepth 1 \( -name '*.BK' -o -name '*.NUM' \) ! -path "$bk2" ! -path "$num2"); do
  for i in $(seq 10); do cp "$skin" "$prog2/Copy$i-$(basename "$skin")"; done
done
printf '[location]\r\nx=230\r\ny=140\r\n[autorun]\r\nenable=0\r\n[skin]\r\nbackground=%s\r\nnumber=%s\r\n' \
  "$bk2_name" "$num2_name" >"$prog2/config.ini"
cp "$prog2/config.ini" "$E2E_TMP/config.before-start"
read -r bk2_w bk2_h < <(identify -format '%w %h\n' "BMP:$bk2")

e2e_start_clock "$prog2"
clock=$E2E_CLOCK_WIN
read -r x y w h < <(e2e_geometry "$clock")
[ "$x $y" = "230 140" ] || fail "the window opened at ($x, $y), config.ini names (230, 140)"
[ "$w $h" = "$bk2_w $bk2_h" ] || fail "the window is ${w}x${h}, $bk2_name.BK is ${bk2_w}x${bk2_h}"

# The face shows the named background ...
key=$(e2e_file_pixel "$bk2" 0 0)
probe=""
for point in "$((w / 2)) $((h - 8))" "$((w / 2)) 8" "8 $((h / 2))" "$((w - 8)) $((h / 2))"; do
  if [ "$(e2e_file_pixel "$bk2" $point)" != "$key" ]; then probe=$point; break; fi
done
[ -n "$probe" ] || fail "no face pixel of $bk2_name.BK to compare"
read -r px py <<<"$probe"
face=$(e2e_file_pixel "$bk2" "$px" "$py")
face_shown() { [ "$(e2e_screen_pixel $((x + px)) $((y + py)))" = "$face" ]; }
wait_for 30 face_shown || fail "pixel ($px, $py) is $(e2e_screen_pixel $((x + px)) $((y + py))), $bk2_name.BK has $face"

# ... and the named digit strip: its colon glyph (8 x 25 at x 150) is found on the face, and
# the other strips' colons are not.
colon_on_face() {
  convert "BMP:$1" -crop 8x25+150+0 +repage "$E2E_TMP/colon.png"
  e2e_screen_crop "$E2E_TMP/face.png" "$x" "$y" "$w" "$h"
  [ "$(compare -metric AE -subimage-search "$E2E_TMP/face.png" "$E2E_TMP/colon.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]
}
wait_for 30 colon_on_face "$num2" || fail "the colon of $num2_name.NUM is not on the face"
for other in $others; do
  if cmp -s <(convert "BMP:$other" -crop 8x25+150+0 -depth 8 txt:-) <(convert "BMP:$num2" -crop 8x25+150+0 -depth 8 txt:-); then
    continue
  fi
  ! colon_on_face "$other" || fail "the face shows the colon of $(basename "$other")"
done

cmp -s "$prog2/config.ini" "$E2E_TMP/config.before-start" || fail "start-up rewrote config.ini"
[ ! -e "$prog2/notify.dat" ] || fail "start-up created notify.dat"

echo "tray: icon ${iw}x${ih}, menu ${mw}x${mh} (separators at $first, $second), hide/show, drag to ($x1, $y1), exit; $bk2_name/$num2_name at (230, 140)"
