#!/usr/bin/env bash
# The Windows clock's settings sheet under Wine, driven by the keyboard alone: opened by a later
# start's --settings, it adds a daily reminder, and notify.dat is then exactly the file of that one
# record; Escape then closes the sheet and keeps it.
. "$(dirname "$0")/lib.sh"
win_start
dir=$(win_program_dir)
win_start_clock "$dir"
win_run "$dir" --settings || fail "a second start with --settings exited $?"
wait_for 60 win_sheet_window || fail "--settings opened no settings sheet"
sheet=$(win_sheet_window)
# icewm does not focus new Wine windows: the sheet is given the focus first.
xdotool windowfocus --sync "$sheet" 2>/dev/null || true
keys() { xdotool key --delay 150 "$@"; }
# From the About page: two pages on, then Tab to the time field past Cancel, the tabs and the list.
keys ctrl+Next ctrl+Next Tab Tab Tab Tab
xdotool type --delay 150 070500
keys Tab space Tab
xdotool type --delay 150 wake
keys Tab space

# "NOTIFYS", one record: enabled, 1971-01-01 07:05:00, daily, its key and "wake".
expected="$E2E_TMP/expected.dat"
e2e_reminders "$expected" "07:05:00 wake"
wait_for 30 cmp -s "$dir/notify.dat" "$expected" ||
  fail "notify.dat is not the one reminder's file: $(xxd "$dir/notify.dat" 2>/dev/null | head -5)"
[ "$(stat -c %s "$dir/notify.dat")" = 74 ] || fail "notify.dat is $(stat -c %s "$dir/notify.dat") bytes, not 74"

keys Escape
wait_for 30 eval '! win_sheet_window' || fail "Escape left the settings sheet open"
cmp -s "$dir/notify.dat" "$expected" || fail "closing the sheet changed notify.dat"
win_run "$dir" --quit || fail "--quit of the running clock exited $?"
wait_for 30 e2e_process_gone "$WIN_CLOCK_PID" || fail "--quit left the clock running"
echo "win32 sheet: a reminder added by keyboard alone, notify.dat the 74-byte file, kept by Escape"
