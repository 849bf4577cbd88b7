#!/usr/bin/env bash
# The installed program used by an ordinary user with a fresh home: settings, reminders, autostart
# and user skins live in the user's folders, one clock per session, nothing written to the install.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_wm

chmod 755 "$E2E_TMP"
prefix="$E2E_TMP/prefix"
cmake --install "$E2E_BUILD_DIR/.." --prefix "$prefix" >/dev/null || fail "cmake --install failed"
share="$prefix/share/dovetock"
e2e_keep_one_skin "$share"
find "$prefix" -printf '%p %s %T@\n' | sort >"$E2E_TMP/prefix.before"

home="$E2E_TMP/home"
run="$E2E_TMP/run"
mkdir -p "$home" "$run"
if [ "$(id -u)" = 0 ]; then
  user="dvtk$$"
  useradd -M -d "$home" "$user" || fail "useradd failed"
  trap 'e2e_cleanup; userdel "$user" 2>/dev/null || true' EXIT
  chown "$user:" "$home" "$run"
  as_user=(setpriv --reuid="$user" --regid="$user" --init-groups)
else
  as_user=()
fi
as_user+=(env -i HOME="$home" DISPLAY="$DISPLAY" XDG_RUNTIME_DIR="$run")
as_user() { "${as_user[@]}" "$@"; }
E2E_AS=("${as_user[@]}")
chmod 700 "$run"
cfg="$home/.config/dovetock"
entry="$home/.config/autostart/Dovetick.desktop"
# A start that should hand over and end: it must not stay as a clock of its own.
clock() { timeout 30 "${as_user[@]}" "$prefix/bin/dovetock" "$@"; }
start() { e2e_start_clock "$prefix/bin"; pid=$E2E_CLOCK_PID win=$E2E_CLOCK_WIN; }

# --- The first start shows the shipped skin and writes the user's own autostart entry.
start
read -r x y w h < <(e2e_geometry "$win")
[ "$w $h" = "$(identify -format '%w %h' "BMP:$bk")" ] || fail "the clock is ${w}x$h, not the size of $bk"
wait_for 10 test -f "$entry" || fail "no autostart entry at $entry"
# Only the user may hand the clock a command: its socket grants no one else anything.
socket_mode=$(stat -c %a "$run"/dovetock-*) || fail "no socket of the clock in $run"
[ "$socket_mode" = 700 ] || fail "the clock's socket has mode $socket_mode"

# --- "自动启动" removes and writes the entry again; the choice lands in config.ini.
e2e_tray_menu "$pid" Down Down Down Return
wait_for 10 test ! -e "$entry" || fail "unticking autostart left $entry"
grep -qx 'enable=0' "$cfg/config.ini" || fail "config.ini does not hold enable=0"
e2e_tray_menu "$pid" Down Down Down Return
wait_for 10 test -f "$entry" || fail "ticking autostart wrote no entry"

# --- A dragged clock lands in the user's config.ini.
read -r gx gy <<<"$(e2e_face_point "$bk" "$w" "$h")"
e2e_drag "$win" "$gx" "$gy" 150 100 || fail "dragging the face did not move the clock"
stored() { read -r x1 _ < <(e2e_geometry "$win") && grep -qx "x=$x1" "$cfg/config.ini"; }
wait_for 10 stored || fail "the new place is not in config.ini"

# --- A reminder typed into the sheet that --settings opens lands in notify.dat.
clock --settings || fail "--settings failed"
e2e_open_sheet
e2e_sheet_add_reminder
wait_for 10 grep -qa 'wake up' "$cfg/notify.dat" || fail "the reminder is not in $cfg/notify.dat"
xdotool key Escape

# --- A second start shows the hidden clock and opens no second window or icon.
e2e_tray_menu "$pid" Down Return
wait_for 10 e2e_hidden "$win" || fail "Hide left the clock on screen"
clock || fail "the second start failed"
wait_for 10 e2e_viewable "$win" || fail "the second start did not show the clock"
[ "$(xdotool search --onlyvisible --name '^Dovetock$' | wc -l)" = 1 ] || fail "more than one clock window"
[ "$(pgrep -c -f "^$prefix/bin/dovetock")" = 1 ] || fail "more than one clock process"
[ "$(e2e_tray_icons "$pid" | wc -l)" = 1 ] || fail "more than one tray icon"

# --- --quit ends it; with no clock it says so.
clock --quit || fail "--quit failed"
wait_for 10 e2e_process_gone "$pid" || fail "--quit left the clock running"
! clock --quit 2>/dev/null || fail "--quit without a clock succeeded"

# --- A skin in the user's folder is offered; a killed clock's socket does not block the next one.
mine="$home/.local/share/dovetock/skins/Mine.BK"
as_user mkdir -p "$(dirname "$mine")"
as_user cp "$(find "$E2E_BUILD_DIR" -maxdepth 1 -name '*.BK' ! -name "${bk##*/}" | sort | head -n 1)" "$mine"
sed -i 's/^\[skin\]$/&\nbackground=Mine/' "$cfg/config.ini"
grep -q '^background=Mine' "$cfg/config.ini" || printf '[skin]\nbackground=Mine\n' >>"$cfg/config.ini"
start
kill -KILL "$pid"
start
[ "$(e2e_geometry "$win" | cut -d' ' -f3,4)" = "$(identify -format '%w %h' "BMP:$mine")" ] ||
  fail "the clock does not show the user's skin Mine.BK"
[ -z "$(find "$prefix" -printf '%p %s %T@\n' | sort | diff - "$E2E_TMP/prefix.before")" ] ||
  fail "something was written under the install prefix"
echo "installed: skins, reminders, place and autostart in $home; one clock; --quit; user skin"
