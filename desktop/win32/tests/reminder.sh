#!/usr/bin/env bash
# The Windows clock under Wine: a reminder written a few seconds ahead of the real clock opens its
# note at its second, with the chime heard at the sound output (ALSA's file output), and a click on
# the note closes it.
. "$(dirname "$0")/lib.sh"
win_start
# The chime goes into a WAV file: ALSA's file output in the test's own home, no sound server.
export HOME="$E2E_TMP/home" PULSE_SERVER=unix:/nonexistent
played="$E2E_TMP/played.wav"
printf 'pcm.!default { type file slave.pcm "null" file "%s" format "wav" }\n' "$played" >"$HOME/.asoundrc"

dir=$(win_program_dir)
note_size=$(identify -format '%wx%h' "$dir/通知.MSG")
due=$(($(date +%s) + 12))
e2e_reminders "$dir/notify.dat" "$(date -d "@$due" +%H:%M:%S) 该起床了"

# The reminder notes of the clock: its mapped windows of the note picture's size.
notes() {
  local w
  for w in $(xdotool search --onlyvisible --classname 'dovetock.exe' 2>/dev/null); do
    [ "$(xwininfo -id "$w" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')" = "$note_size" ] && echo "$w"
  done
  return 0
}
note_window() { notes | head -n 1 | grep .; }

# The loudest sample the sound output has received so far, in thousandths of full scale.
loudest() {
  python3 - "$played" <<'PY'
import struct, sys
try:
    data = open(sys.argv[1], 'rb').read()
except OSError:
    print(0); sys.exit()
fmt = data.find(b'fmt ')
at = data.find(b'data')
if fmt < 0 or at < 0:
    print(0); sys.exit()
code, bits = struct.unpack_from('<H', data, fmt + 8)[0], struct.unpack_from('<H', data, fmt + 22)[0]
body = data[at + 8:]
if code == 3 and bits == 32:
    values = [abs(v) for v in struct.unpack('<%df' % (len(body) // 4), body[:len(body) // 4 * 4])]
elif bits == 16:
    values = [abs(v) / 32768 for v in struct.unpack('<%dh' % (len(body) // 2), body[:len(body) // 2 * 2])]
else:
    values = [abs(v) / 2**31 for v in struct.unpack('<%di' % (len(body) // 4), body[:len(body) // 4 * 4])]
print(int(1000 * max(values, default=0)))
PY
}

win_start_clock "$dir"
((due - $(date +%s) > 2)) || fail "the clock took too long to start for this test's reminder"
! note_window >/dev/null || fail "a note opened before its reminder's time"
wait_for 60 note_window || fail "no note opened for the reminder due at $(date -d "@$due" +%T)"
seen=$(date +%s)
((seen >= due)) || fail "the note opened at $(date -d "@$seen" +%T), before its time $(date -d "@$due" +%T)"
note=$(note_window)
echo "note seen $((seen - due)) s after its second"
[ "$(notes | wc -l)" = 1 ] || fail "the reminder opened more than one note"

wait_for 60 eval '(($(loudest) > 50))' || fail "the chime was not heard at the sound output (loudest $(loudest)/1000)"

# A click closes the note (it stops jiggling first, then closes on its own).
xdotool mousemove --window "$note" $((${note_size%x*} / 2)) $((${note_size#*x} / 2)) click 1
wait_for 30 eval '! note_window' || fail "the note stayed open after a click"

win_run "$dir" --quit || fail "--quit of the running clock exited $?"
wait_for 30 e2e_process_gone "$WIN_CLOCK_PID" || fail "--quit left the clock running"
echo "win32 reminder: note at its second, chime heard, closed by a click"
