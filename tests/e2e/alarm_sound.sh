#!/usr/bin/env bash
# The alarm sound and the snooze of reminder popups, heard through a private PulseAudio server and
# a stepped fake clock: a popup sounds within a second, a click silences it within a second; a
# popup put off by five minutes comes back at +5:00 and not at +4:59, with sound; with "提醒声音"
# switched off a popup is silent.
source "$(dirname "$0")/lib.sh"

export XDG_RUNTIME_DIR="$E2E_TMP/run" HOME="$E2E_TMP/home"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$HOME"
sink=dovetock_e2e
pulse_stop() {
  pulseaudio --kill 2>/dev/null || true
  wait_for 30 eval '! pulseaudio --check' || echo "pulseaudio is still running" >&2
}
trap 'pulse_stop; e2e_cleanup' EXIT
pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load="module-null-sink sink_name=$sink" \
  --load=module-native-protocol-unix 2>"$E2E_TMP/pulse.log" || fail "pulseaudio: $(cat "$E2E_TMP/pulse.log")"
wait_for 30 pactl set-default-sink "$sink" || fail "pulseaudio does not take $sink as default sink"

e2e_start_display
e2e_start_wm
prog=$(e2e_program_dir)
e2e_keep_one_skin "$prog"
e2e_daily_reminders "$prog/notify.dat" "07:05:00 该起床了" "07:06:00 开会" "07:12:00 喝水"
clock_file="$E2E_TMP/clock-time"
e2e_set_fake_clock "$clock_file" "2026-01-01 07:04:50"
mapfile -t fake_env < <(e2e_fake_clock_env "$clock_file")
e2e_start_clock "$prog" "${fake_env[@]}"
pid=$E2E_CLOCK_PID
wait_for 30 e2e_find_digit_box "$E2E_CLOCK_WIN" "$num" || fail "no digit box on the face"
read -r bx by < <(e2e_find_digit_box "$E2E_CLOCK_WIN" "$num")
step() {
  e2e_set_fake_clock "$clock_file" "2026-01-01 $1"
  wait_for 30 e2e_face_reads "$E2E_CLOCK_WIN" "$bx" "$by" "$num" "$1" || fail "the face does not read $1"
}
popups_shown() { [ "$(e2e_popup_windows "$pid" | wc -l)" = "$1" ]; }
# Every untitled top-level window of the clock, mapped or not: a popup's exists once it is shown.
windows_made() { xdotool search --all --pid "$pid" --name '^$' 2>/dev/null | sort || true; }
until_ms() { while (($(e2e_now_ms) < $1)); do sleep 0.05; done; }

# record NAME / record_stop: what the sink plays, into NAME.wav; rec_ms is when its first sample came.
record() {
  rec="$E2E_TMP/$1.wav"
  parec -d "$sink.monitor" --latency-msec=20 --file-format=wav "$rec" &
  rec_pid=$!
  E2E_PIDS+=("$rec_pid")
  wait_for 30 eval '(($(stat -c %s "$rec" 2>/dev/null || echo 0) > 8192))' || fail "parec records nothing"
  rec_ms=$(e2e_now_ms)
}
record_stop() { kill -INT "$rec_pid"; wait "$rec_pid" || true; }
# rms FROM_MS: the RMS amplitude of the second of the recording from that wall-clock moment.
rms() {
  sox "$rec" -n trim "$(awk -v ms=$(($1 - rec_ms)) 'BEGIN {printf "%.3f", ms / 1000}')" 1 stat 2>&1 |
    awk '/RMS +amplitude/ {print $3}'
}
# loud|silent FROM_MS: checks that second's RMS and keeps it for the closing line.
loud() { levels+=("$(rms "$1")") && awk -v r="${levels[-1]}" 'BEGIN {exit !(r > 0.01)}'; }
silent() { levels+=("$(rms "$1")") && awk -v r="${levels[-1]}" 'BEGIN {exit !(r < 0.0002)}'; }
levels=()

# --- 07:05:00: the popup sounds within a second; a click silences it within a second.
step 07:04:53
record fired
step 07:05:00
wait_for 30 popups_shown 1 || fail "no popup at 07:05:00"
shown=$(e2e_now_ms)
popup=$(e2e_popup_windows "$pid")
until_ms $((shown + 1200))
read -r px py _ < <(e2e_geometry "$popup")
xdotool mousemove $((px + 61)) $((py + 40)) click 1
clicked=$(e2e_now_ms)
until_ms $((clicked + 2300))
record_stop
loud "$shown" || fail "RMS $(rms "$shown") in the second after the popup showed"
silent $((clicked + 1000)) || fail "RMS $(rms $((clicked + 1000))) from 1 s after the click"
wait_for 30 popups_shown 0 || fail "the clicked popup stays"

# --- 07:06:00: "5 分钟后再提醒" from the popup's menu closes it; it comes back at 07:11:00.
step 07:05:54
step 07:06:00
wait_for 30 popups_shown 1 || fail "no popup at 07:06:00"
read -r px py _ < <(e2e_geometry "$(e2e_popup_windows "$pid")")
xdotool mousemove $((px + 61)) $((py + 40)) click 3
wait_for 30 e2e_menu_window "$pid" || fail "a right click on the popup opened no menu"
xdotool key Down Return
wait_for 30 popups_shown 0 || fail "the snoozed popup stays"
windows_made >"$E2E_TMP/before"
step 07:10:59
[ "$(windows_made)" = "$(cat "$E2E_TMP/before")" ] || fail "the snoozed reminder came back at 07:10:59"
record snoozed
step 07:11:00
wait_for 30 popups_shown 1 || fail "the snoozed reminder did not come back at 07:11:00"
shown=$(e2e_now_ms)
until_ms $((shown + 1200))
record_stop
loud "$shown" || fail "RMS $(rms "$shown") in the second after the snoozed popup showed"
read -r px py _ < <(e2e_geometry "$(e2e_popup_windows "$pid")")
xdotool mousemove $((px + 61)) $((py + 40)) click 1
wait_for 30 popups_shown 0 || fail "the clicked popup stays"

# --- "提醒声音" switched off from the face's menu: the 07:12:00 popup is silent.
read -r cx cy cw ch < <(e2e_geometry "$E2E_CLOCK_WIN")
xdotool mousemove $((cx + bx + 55)) $((cy + by + 12)) click 3
wait_for 30 e2e_menu_window "$pid" || fail "a right click on the face opened no menu"
xdotool key Down Down Down Down Return
wait_for 30 grep -qx 'sound=0' "$prog/config.ini" || fail "config.ini keeps the sound on: $(cat "$prog/config.ini")"
record quiet
step 07:11:54
step 07:12:00
wait_for 30 popups_shown 1 || fail "no popup at 07:12:00"
shown=$(e2e_now_ms)
until_ms $((shown + 1200))
record_stop
silent "$shown" || fail "RMS $(rms "$shown") after a popup with the sound switched off"

echo "alarm sound: RMS ${levels[0]} in the popup's first second, ${levels[1]} from 1 s after the click;" \
  "snoozed popup back at 07:11:00 (not 07:10:59) with RMS ${levels[2]}; switched off: RMS ${levels[3]}"
