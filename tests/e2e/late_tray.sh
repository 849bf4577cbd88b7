#!/usr/bin/env bash
# The tray icon follows the notification area: it appears when a tray starts after the clock,
# and again when the tray is restarted.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_clock "$(e2e_program_dir)"
pid=$E2E_CLOCK_PID
sleep 2 # the clock runs a while without a tray; nothing outside shows it
e2e_start_wm
wait_for 30 e2e_tray_icons "$pid" || fail "no icon once a tray started after the clock"

kill "${E2E_PIDS[-1]}"
wait "${E2E_PIDS[-1]}" 2>/dev/null || true
tray_gone() { ! e2e_tray_ready; }
wait_for 30 tray_gone || fail "the tray did not go away"
e2e_start_wm
wait_for 30 e2e_tray_icons "$pid" || fail "no icon in the restarted tray"
kill -0 "$pid" || fail "the clock ended with its tray"
echo "late tray: icon shown in a tray started later and again after its restart"
