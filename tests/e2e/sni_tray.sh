#!/usr/bin/env bash
# The tray icon where a StatusNotifierItem host draws it (KDE Plasma, GNOME with AppIndicator), run
# in dbus-run-session with a stand-in watcher (third argument): the icon's D-Bus menu lists the
# five items in order with their ticks; a host's click on an item runs its command; a host's
# Activate shows the clock; the face's own right-click menu still opens.
source "$(dirname "$0")/lib.sh"
"${3:?path of the stand-in watcher}" >"$E2E_TMP/items" &
E2E_PIDS+=($!)
watcher_up() { gdbus call --session --dest org.freedesktop.DBus --object-path / \
  --method org.freedesktop.DBus.NameHasOwner org.kde.StatusNotifierWatcher | grep true; }
wait_for 30 watcher_up || fail "the stand-in watcher did not start"
e2e_start_display
prog=$(e2e_program_dir)
e2e_keep_one_skin "$prog"
e2e_start_clock "$prog"
pid=$E2E_CLOCK_PID
clock=$E2E_CLOCK_WIN
wait_for 30 test -s "$E2E_TMP/items" || fail "the clock registered no StatusNotifierItem"
item=$(head -n 1 "$E2E_TMP/items")

call() { gdbus call --session --dest "$item" --object-path "$@"; }
menu_path() { call /StatusNotifierItem --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Menu |
  grep -o "'/[A-Za-z]*'" | tr -d "'" | grep -vx /NO_DBUSMENU; }
wait_for 30 menu_path || fail "the item offers no D-Bus menu"
path=$(menu_path)
# Prints the menu's top level, one item a line: "ID LABEL TICK" (- for none; a separator's label is -).
layout() {
  call "$path" --method com.canonical.dbusmenu.GetLayout 0 1 '[]' | grep -o "<([0-9]*, {[^}]*}" | awk '{
    id = substr($1, 3, length($1) - 3); label = "-"; tick = "-"
    if (match($0, /'\''label'\'': <'\''[^'\'']*/)) label = substr($0, RSTART + 11, RLENGTH - 11)
    if (match($0, /'\''toggle-state'\'': <[0-9]/)) tick = substr($0, RLENGTH + RSTART - 1, 1)
    print id, label, tick }'
}
item_of() { layout | awk -v l="$1" -v f="$2" '$2 == l {print $f}'; }
click() { call "$path" --method com.canonical.dbusmenu.Event "$(item_of "$1" 1)" clicked '<0>' 0 >/dev/null; }

# Ticks: the sound is on without the key; autostart as the (system-wide, for root) entry says.
entry=/etc/xdg/autostart/Dovetick.desktop
on=0
[ -r "$entry" ] && ! grep -Eq '^(Hidden=true|X-GNOME-Autostart-enabled=false)' "$entry" && on=1
[ "$(layout | awk '{printf "%s%s ", $2, $3}')" = "隐藏- 退出- -- 自动启动$on 提醒声音1 -- 配置- " ] ||
  fail "the D-Bus menu is: $(layout)"

click 提醒声音
wait_for 30 grep -qx 'sound=0' "$prog/config.ini" || fail "a click on 提醒声音 left config.ini: $(cat "$prog/config.ini")"
wait_for 30 eval '[ "$(item_of 提醒声音 3)" = 0 ]' || fail "the sound tick stayed set: $(layout)"
click 隐藏
wait_for 30 e2e_hidden "$clock" || fail "a click on 隐藏 left the clock on screen"
call /StatusNotifierItem --method org.kde.StatusNotifierItem.Activate 0 0 >/dev/null
wait_for 30 e2e_viewable "$clock" || fail "Activate (the host's left click) did not show the clock"

read -r _ _ w h < <(e2e_geometry "$clock")
read -r fx fy <<<"$(e2e_face_point "$bk" "$w" "$h")"
xdotool mousemove --window "$clock" "$fx" "$fy" click 3
wait_for 30 e2e_menu_window "$pid" || fail "a right click on the face opened no menu"
xdotool key Escape
click 退出
wait_for 30 e2e_process_gone "$pid" || fail "a click on 退出 did not end the clock"
