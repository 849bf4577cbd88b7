#!/usr/bin/env bash
# Under a Wayland compositor the clock is an X11 window (XWayland) with its outline, and its
# settings sheet opens without bringing the compositor down; with no X display at all it still
# runs, as a Wayland client, and says so once.
source "$(dirname "$0")/lib.sh"

export XDG_RUNTIME_DIR="$E2E_TMP/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY="dovetock-e2e-$$"
weston --backend=headless-backend.so --xwayland --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
weston_pid=$!
E2E_PIDS+=("$weston_pid")
wait_for 30 grep -q 'xserver listening on display' "$E2E_TMP/weston.log" || { cat "$E2E_TMP/weston.log" >&2; fail "weston gave no X display"; }
export DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_TMP/weston.log" | head -n 1)

prog=$(e2e_program_dir)
e2e_keep_one_skin "$prog"
e2e_start_clock "$prog"
xwininfo -shape -id "$E2E_CLOCK_WIN" | grep -q 'Window shape extents' || fail "the clock window on XWayland has no outline"

# The settings sheet opens beside the clock, and the compositor, XWayland and the clock live on.
survivors() { kill -0 "$weston_pid" 2>/dev/null || echo weston; xdpyinfo &>/dev/null || echo XWayland; kill -0 "$E2E_CLOCK_PID" 2>/dev/null || echo clock; }
timeout 30 "$prog/dovetock" --settings || fail "--settings found no clock"
wait_for 30 eval '[ -n "$(e2e_sheet)" ] || [ -n "$(survivors)" ]' || fail "no settings sheet appeared"
timeout 30 weston-info >/dev/null 2>&1 || true  # by its end the compositor has taken the sheet in
[ -z "$(survivors)" ] || fail "opening the settings ended $(survivors | paste -sd ' ')"
e2e_viewable "$(e2e_sheet)" || fail "the settings sheet is not mapped"
"$prog/dovetock" --quit || fail "--quit found no clock"
wait_for 30 e2e_process_gone "$E2E_CLOCK_PID" || fail "--quit did not end the clock"

xdisplay=$DISPLAY
unset DISPLAY
"$prog/dovetock" >"$E2E_TMP/wayland.log" 2>&1 &
pid=$!
E2E_PIDS+=("$pid")
# The clock answers a later start only once its window is made.
wait_for 30 test -S "$XDG_RUNTIME_DIR/dovetock-$(id -un)-$WAYLAND_DISPLAY" || { cat "$E2E_TMP/wayland.log" >&2; fail "the Wayland clock did not start"; }
timeout 30 "$prog/dovetock" --show || fail "the Wayland clock did not answer"
kill -0 "$pid" || fail "the Wayland clock died"
"$prog/dovetock" --quit || fail "--quit found no Wayland clock"
wait_for 30 e2e_process_gone "$pid" || fail "--quit did not end the Wayland clock"
[ "$(grep -c 'no X display' "$E2E_TMP/wayland.log")" = 1 ] || fail "the Wayland clock did not say once what it lacks"
[ "$(grep -vc '^dovetock: no X display' "$E2E_TMP/wayland.log")" = 0 ] ||
  fail "the Wayland clock wrote more than its own line: $(cat "$E2E_TMP/wayland.log")"
echo "wayland: shaped X11 window and its settings sheet on XWayland $xdisplay; Wayland client without X"
