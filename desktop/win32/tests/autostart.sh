#!/usr/bin/env bash
# The Windows clock's logon start under Wine: the setting on in config.ini puts the Run value
# "Dovetick" (the program's path, quoted) in a Run key; "自动启动" in the tray menu takes it away and
# puts it back, and config.ini follows. Wine runs every process elevated, so the clock takes the
# machine's key there; the user's key of an ordinary user is tested by win32_app_test.
. "$(dirname "$0")/lib.sh"
win_start
dir=$(win_program_dir)
printf '[autorun]\r\nenable=1\r\n' >"$dir/config.ini"
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
key_value() { wine reg query "$1" /v Dovetick 2>/dev/null | iconv -f GB18030 -t UTF-8 | tr -d '\r' | awk '/Dovetick/ {sub(/.*REG_SZ[ \t]+/, ""); print}' | grep .; }
run_value() { key_value "$run_key"; }

win_start_clock "$dir"
wait_for 30 run_value || fail "no Run value Dovetick under $run_key"
key_value "$user_key" && fail "an elevated clock wrote the user's Run value too"
value=$(run_value)
exe=$(winepath -w "$dir/dovetock.exe" 2>/dev/null | tr -d '\r')
[ "$value" = "\"$exe\"" ] || fail "the Run value is $value, not \"$exe\""

# "自动启动" is the middle row of the menu: two entries and a separator above it, one entry, a
# separator and one entry below.
toggle() {
  local icon menu mw mh
  wait_for 30 win_tray_icons || fail "no icon docked in the tray"
  icon=$(win_tray_icons | head -n 1)
  xdotool mousemove --window "$icon" 8 8 click 3
  wait_for 10 win_menu_window || fail "the tray menu did not open"
  menu=$(win_menu_window)
  read -r _ _ mw mh < <(e2e_geometry "$menu")
  xdotool mousemove --window "$menu" $((mw / 2)) $((mh / 2)) click 1
}
win_menu_window() {
  local w
  for w in $(xdotool search --onlyvisible --class 'dovetock.exe' 2>/dev/null); do
    [ "$w" != "$WIN_CLOCK" ] && e2e_override_redirect "$w" && echo "$w" && return 0
  done
  return 1
}

toggle
wait_for 20 eval '! run_value' || fail "switching autostart off left the Run value"
[ "$(win_ini_value "$dir" autorun enable)" = 0 ] || fail "config.ini does not hold autorun enable=0"
toggle
wait_for 20 run_value || fail "switching autostart on again wrote no Run value"
[ "$(win_ini_value "$dir" autorun enable)" = 1 ] || fail "config.ini does not hold autorun enable=1"
win_run "$dir" --quit || fail "--quit exited $?"
echo "win32 autostart: config.ini and the tray menu write and remove the Run value"
