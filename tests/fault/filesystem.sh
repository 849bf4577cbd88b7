#!/usr/bin/env bash
# Saves into a read-only program directory: each save fails with a clear message and the files on
# disk stay as they were. (A disk that fills up during a save is left to the unit tests of the
# reminder file and the settings file, which stop a write part way with a file size limit.)
source "$(dirname "$0")/../e2e/lib.sh"
driver=${3:?path of fault_driver}

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: mounting a read-only directory needs root"
  exit 77
fi

mounts=()
unmount_all() {
  local i
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[$i]}" 2>/dev/null || umount -l "${mounts[$i]}" 2>/dev/null || true
  done
}
trap 'unmount_all; e2e_cleanup' EXIT

# expect_refused WHAT FILE MESSAGE COMMAND...: COMMAND must fail, say MESSAGE and leave FILE as it was.
expect_refused() {
  local what=$1 file=$2 message=$3
  shift 3
  cp "$file" "$E2E_TMP/before"
  if "$@" 2>"$E2E_TMP/err"; then fail "$what: the save claims success"; fi
  grep -q "$message" "$E2E_TMP/err" || fail "$what: no clear message; got: $(cat "$E2E_TMP/err")"
  cmp -s "$file" "$E2E_TMP/before" || fail "$what: $file was changed"
  echo "$what: refused with \"$(head -n 1 "$E2E_TMP/err")\"; $(basename "$file") unchanged"
}

# --- A read-only program directory (root ignores permission bits: a read-only bind mount).
prog=$(e2e_program_dir -ro)
printf '[location]\nx=37\ny=41\n[skin]\nbackground=Classic\n' >>"$prog/config.ini"
"$driver" save-reminders "$prog/notify.dat" 5 || fail "cannot write the first notify.dat"
if ! mount --bind "$prog" "$prog" 2>"$E2E_TMP/mount.err"; then
  echo "SKIP: this machine does not allow mounts: $(cat "$E2E_TMP/mount.err")"
  exit 77
fi
mounts+=("$prog")
mount -o remount,ro,bind "$prog"
if touch "$prog/probe" 2>/dev/null; then fail "the bind mount is writable"; fi

expect_refused "read-only notify.dat" "$prog/notify.dat" "cannot save reminders to $prog/notify.dat" \
  "$driver" save-reminders "$prog/notify.dat" 6
[ "$("$driver" check-reminders "$prog/notify.dat")" = 5 ] || fail "notify.dat no longer loads its reminders"
expect_refused "read-only config.ini" "$prog/config.ini" "cannot save $prog/config.ini" \
  "$driver" save-ini "$prog/config.ini" 500

# The clock itself there: it reads its settings, and a move that cannot be saved is reported.
e2e_start_display
cp "$prog/config.ini" "$E2E_TMP/config.before"
e2e_start_clock "$prog"
read -r x y _ _ < <(e2e_geometry "$E2E_CLOCK_WIN")
[ "$x $y" = "37 41" ] || fail "the clock is at ($x, $y), config.ini says (37, 41)"
# A drag by the user is written at the release; without a window manager the clock moves itself.
read -r _ _ w h < <(e2e_geometry "$E2E_CLOCK_WIN")
[ "$(e2e_file_pixel "$prog/Classic.BK" $((w / 2)) $((h / 2)))" != "$(e2e_file_pixel "$prog/Classic.BK" 0 0)" ] ||
  fail "the middle of Classic.BK is cut out, nothing to take hold of"
xdotool mousemove $((37 + w / 2)) $((41 + h / 2)) mousedown 1 mousemove $((100 + w / 2)) $((80 + h / 2)) \
  mousemove $((200 + w / 2)) $((150 + h / 2)) mouseup 1
moved() { read -r x y _ _ < <(e2e_geometry "$E2E_CLOCK_WIN") && [ "$x $y" = "200 150" ]; }
wait_for 20 moved || fail "the clock did not follow the drag"
wait_for 20 grep -q "cannot save $prog/config.ini" "$E2E_TMP/clock.log" ||
  fail "the clock gave no message for the lost position; log: $(cat "$E2E_TMP/clock.log")"
kill -0 "$E2E_CLOCK_PID" || fail "the clock ended"
cmp -s "$prog/config.ini" "$E2E_TMP/config.before" || fail "config.ini was changed"
echo "clock in a read-only directory: started at (37, 41), moved, said \"$(grep -m 1 'cannot save' "$E2E_TMP/clock.log")\""
kill "$E2E_CLOCK_PID"
wait_for 20 e2e_process_gone "$E2E_CLOCK_PID" || fail "the clock did not end"

echo "PASS: read-only directory"
