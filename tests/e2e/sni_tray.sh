#!/usr/bin/env bash
# The tray icon where a StatusNotifierItem host draws it (KDE Plasma, GNOME with the AppIndicator
# extension): run inside dbus-run-session with a stand-in watcher (third argument). The icon's
# D-Bus menu (com.canonical.dbusmenu) lists the five items in order with their ticks; a host's
# click on an item runs its command; a host's Activate (left click) shows the clock; the face's
# own right-click menu still opens.
source "$(dirname "$0")/lib.sh"
watcher=${3:?path of the stand-in StatusNotifierWatcher}

"$watcher" >"$E2E_TMP/items" 2>"$E2E_TMP/watcher.log" &
E2E_PIDS+=($!)
watcher_up() { gdbus call --session --dest org.freedesktop.DBus --object-path / \
  --method org.freedesktop.DBus.NameHasOwner org.kde.StatusNotifierWatcher | grep true; }
wait_for 30 watcher_up || fail "the stand-in watcher did not start: $(cat "$E2E_TMP/watcher.log")"

e2e_start_display
prog=$(e2e_program_dir)
e2e_keep_one_skin "$prog"
e2e_start_clock "$prog"
pid=$E2E_CLOCK_PID
clock=$E2E_CLOCK_WIN
wait_for 30 test -s "$E2E_TMP/items" || fail "the clock registered no StatusNotifierItem"
item=$(head -n 1 "$E2E_TMP/items")

# menu METHOD ARGS...: calls a com.canonical.dbusmenu method on the item's menu object.
menu() { gdbus call --session --dest "$item" --object-path "$menu_path" --method "com.canonical.dbusmenu.$1" "${@:2}"; }
menu_path_offered() {
  gdbus call --session --dest "$item" --object-path /StatusNotifierItem \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Menu | grep -o "'/[A-Za-z]*'" | tr -d "'" |
    grep -vx /NO_DBUSMENU
}
wait_for 30 menu_path_offered || fail "the item offers no D-Bus menu"
menu_path=$(menu_path_offered)

# Prints the top level of the menu, one item a line: "ID LABEL TOGGLE-STATE" (- for none); a
# separator as "ID -".
layout() {
  menu GetLayout 0 1 '[]' | grep -o "<([0-9]*, {[^}]*}" | sed -E "s/^<\(([0-9]*), \{(.*)\}$/\1 \2/" | awk '{
    id = $1; label = "-"; state = "-"
    if (match($0, /'\''label'\'': <'\''[^'\'']*'\''>/)) label = substr($0, RSTART + 11, RLENGTH - 13)
    if (match($0, /'\''toggle-state'\'': <[0-9-]+>/)) state = substr($0, RSTART + 17, RLENGTH - 18)
    print id, label, state }'
}
id_of() { layout | awk -v l="$1" '$2 == l {print $1}'; }
sound_state() { layout | awk '$2 == "提醒声音" {print $3}'; }

# The five items in order, separators where the clock's own menu has them; the ticks show the
# sound (on without the key) and whether the autostart entry counts as on.
autostart=/etc/xdg/autostart/Dovetick.desktop
entry_on=0
[ -r "$autostart" ] && ! grep -Eq '^(Hidden=true|X-GNOME-Autostart-enabled=false)' "$autostart" && entry_on=1
[ "$(layout | awk '{print $2}' | tr '\n' ' ')" = "隐藏 退出 - 自动启动 提醒声音 - 配置 " ] ||
  fail "the D-Bus menu is: $(layout)"
[ "$(layout | awk '$2 == "自动启动" {print $3}')" = "$entry_on" ] || fail "the autostart tick is not $entry_on: $(layout)"
[ "$(sound_state)" = 1 ] || fail "the sound tick is not set: $(layout)"

# A click on "提醒声音" switches the sound off: written to config.ini and shown by the tick.
menu Event "$(id_of 提醒声音)" clicked '<0>' 0 >/dev/null
wait_for 30 grep -qx 'sound=0' "$prog/config.ini" || fail "a click on 提醒声音 left config.ini: $(cat "$prog/config.ini")"
wait_for 30 eval '[ "$(sound_state)" = 0 ]' || fail "the sound tick stayed set: $(layout)"

# "隐藏" hides the clock; the host's left click (Activate) shows it again.
menu Event "$(id_of 隐藏)" clicked '<0>' 0 >/dev/null
wait_for 30 e2e_hidden "$clock" || fail "a click on 隐藏 left the clock on screen"
gdbus call --session --dest "$item" --object-path /StatusNotifierItem --method org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
wait_for 30 e2e_viewable "$clock" || fail "Activate did not show the clock"

# The face's right click still opens the clock's own menu.
read -r _ _ w h < <(e2e_geometry "$clock")
read -r fx fy <<<"$(e2e_face_point "$bk" "$w" "$h")"
xdotool mousemove --window "$clock" "$fx" "$fy" click 3
wait_for 30 e2e_menu_window "$pid" || fail "a right click on the face opened no menu"
xdotool key Escape
wait_for 30 eval '! e2e_menu_window "$pid"' || fail "the face's menu stayed open"

# "退出" ends the clock.
menu Event "$(id_of 退出)" clicked '<0>' 0 >/dev/null
wait_for 30 e2e_process_gone "$pid" || fail "a click on 退出 did not end the clock"
echo "D-Bus tray menu: ok"
