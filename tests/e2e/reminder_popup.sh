#!/usr/bin/env bash
# Reminders firing from the running clock under icewm, with its wall clock faked and stepped by
# the test: the popup appears at its second and not before, closes about 2.1 s after a click,
# and two reminders of one second give two popups.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_wm

prog=$(e2e_program_dir)
[ -f "$prog/通知.MSG" ] || fail "the build ships no 通知.MSG"
# One digit strip, so the test can read the time off the face.
num=$(find "$prog" -maxdepth 1 -name '*.NUM' | sort | head -n 1)
[ -n "$num" ] || fail "the build ships no digit strip"
find "$prog" -maxdepth 1 -name '*.NUM' ! -path "$num" -delete

# --- notify.dat: "NOTIFYS", the count, then per record eight int32 (enabled, year, month, day,
# hour, minute, second, kind), the key and the GBK message, each after its int32 length.
le32() {
  printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))"
  printf "\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"
}
# record YEAR MONTH DAY HOUR MINUTE SECOND KIND MESSAGE
record() {
  local key message
  key=$(printf '%02d:%02d:%02d:%02d:%02d:%02d' "$1" "$2" "$3" "$4" "$5" "$6")
  message=$(printf '%s' "$8" | iconv -f UTF-8 -t GBK | xxd -p | tr -d '\n')
  le32 1; le32 "$1"; le32 "$2"; le32 "$3"; le32 "$4"; le32 "$5"; le32 "$6"; le32 "$7"
  le32 ${#key}; printf '%s' "$key"
  le32 $((${#message} / 2)); xxd -r -p <<<"$message"
}
{
  printf 'NOTIFYS'
  le32 3
  record 1971 1 1 7 5 0 1 "该起床了"
  record 1971 1 1 7 6 0 1 "开会"
  record 2026 1 1 7 6 0 0 "喝水"
} >"$prog/notify.dat"

clock_file="$E2E_TMP/clock-time"
e2e_set_fake_clock "$clock_file" "2026-01-01 07:04:50"
mapfile -t fake_env < <(e2e_fake_clock_env "$clock_file")
e2e_start_clock "$prog" "${fake_env[@]}"
pid=$E2E_CLOCK_PID
clock=$E2E_CLOCK_WIN
wait_for 30 e2e_find_digit_box "$clock" "$num" || fail "no digit box on the face"
read -r bx by < <(e2e_find_digit_box "$clock" "$num")
face_reads() { e2e_face_reads "$clock" "$bx" "$by" "$num" "$1"; }
wait_for 30 face_reads 07:04:50 || fail "the face does not read 07:04:50"

# Every untitled top-level window the clock has made, mapped or not, apart from menus and
# tray icons: a popup's window exists as soon as the popup is shown.
popup_windows_made() {
  local w
  for w in $(xdotool search --all --pid "$pid" --name '^$' 2>/dev/null); do
    e2e_override_redirect "$w" || echo "$w"
  done
}
popup_windows_made >"$E2E_TMP/windows-at-start"
new_windows() { popup_windows_made | grep -vxFf "$E2E_TMP/windows-at-start" || true; }

# step hh:mm:ss: sets the faked clock and waits until the face reads it. The reminder check runs
# before the face is redrawn, so every popup of that second exists by then.
step() {
  e2e_set_fake_clock "$clock_file" "2026-01-01 $1"
  wait_for 30 face_reads "$1" || fail "the face does not read $1"
}

popup_count() { e2e_popup_windows "$pid" | wc -l; }
popups_shown() { [ "$(popup_count)" = "$1" ]; }

# Red pixels (the message's, smoothed edges included) in the message box (6, 67)-(116, 124) of
# a window or a picture file.
red_in_box() {
  convert "$1" -crop 110x57+6+67 +repage -depth 8 txt:- | awk '
    NR > 1 { gsub(/[()]/, "", $2); split($2, c, ","); if (c[1] >= 200 && c[2] <= 90 && c[3] <= 90) n++ }
    END { print n + 0 }'
}

# --- Armed at 07:04:53, nothing is shown until 07:05:00, and one popup then.
step 07:04:53
step 07:04:59
[ -z "$(new_windows)" ] || fail "a popup window was made at 07:04:59, before its second"
step 07:05:00
wait_for 30 popups_shown 1 || fail "$(popup_count) popups on screen at 07:05:00, expected 1"
popup=$(e2e_popup_windows "$pid")
read -r px py pw ph < <(e2e_geometry "$popup")
[ "$pw $ph" = "122 130" ] || fail "the popup is ${pw}x${ph}"

state=$(xprop -id "$popup" _NET_WM_STATE)
grep -q _NET_WM_STATE_ABOVE <<<"$state" || fail "the popup is not kept above: $state"
grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state" || fail "the popup has a taskbar entry: $state"

# Centred on the work area, give or take the one-pixel jiggle.
read -r ax ay aw ah < <(xprop -root _NET_WORKAREA | awk -F' = ' '{split($2, a, ", "); print a[1], a[2], a[3], a[4]}')
hx=$((ax + aw / 2 - 61))
hy=$((ay + ah / 2 - 65))
((px >= hx - 1 && px <= hx + 1 && py >= hy - 1 && py <= hy + 1)) ||
  fail "the popup is at ($px, $py), the centre of the work area puts it at ($hx, $hy)"

# The message is written in red inside its box.
picture_red=$(red_in_box "BMP:$prog/通知.MSG")
message_drawn() {
  import -window "$popup" "$E2E_TMP/popup.png" 2>/dev/null &&
    (($(red_in_box "$E2E_TMP/popup.png") > picture_red + 20))
}
wait_for 30 message_drawn || fail "no red message in the popup's text box"

# It jiggles until clicked.
jiggled() { [ "$(e2e_geometry "$popup" | cut -d' ' -f1,2)" != "$px $py" ]; }
wait_for 30 jiggled || fail "the popup stays still before a click"

# --- A click stops the jiggle; the popup goes about 2.1 s later.
read -r px py _ < <(e2e_geometry "$popup")
clicked=$(e2e_now_ms)
xdotool mousemove $((px + 61)) $((py + 40)) click 1
last_seen=$clicked
positions=()
while :; do
  now=$(e2e_now_ms)
  position=$(e2e_geometry "$popup" 2>/dev/null | cut -d' ' -f1,2) && e2e_viewable "$popup" || break
  last_seen=$now
  ((last_seen - clicked < 30000)) || fail "the popup is still open 30 s after the click"
  if ((last_seen - clicked >= 400)); then positions+=("$position"); fi
  sleep 0.05
done
((last_seen - clicked >= 1500)) || fail "the popup closed $((last_seen - clicked)) ms after the click"
distinct=$(printf '%s\n' "${positions[@]}" | grep -v '^ *$' | sort -u | wc -l)
((distinct <= 1)) || fail "the popup kept moving after the click: $(printf '(%s) ' "${positions[@]}")"
e2e_process_gone "$pid" && fail "the clock ended with the popup"

# --- Two reminders of one second (a daily one and one for today) give two popups, one place.
e2e_popup_windows "$pid" >/dev/null && fail "a popup is left on screen"
step 07:05:54
step 07:06:00
wait_for 30 popups_shown 2 || fail "$(popup_count) popups on screen at 07:06:00, expected 2"
mapfile -t pair < <(e2e_popup_windows "$pid" | sort -n)
read -r ax1 ay1 aw1 ah1 < <(e2e_geometry "${pair[0]}")
read -r ax2 ay2 aw2 ah2 < <(e2e_geometry "${pair[1]}")
[ "$aw1 $ah1 $aw2 $ah2" = "122 130 122 130" ] || fail "the two popups are ${aw1}x${ah1} and ${aw2}x${ah2}"
((ax1 - ax2 <= 2 && ax2 - ax1 <= 2 && ay1 - ay2 <= 2 && ay2 - ay1 <= 2)) ||
  fail "the two popups are at ($ax1, $ay1) and ($ax2, $ay2)"
# The one made second (the later window) lies on top.
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | cut -d'#' -f2 | tr -d ',' | xargs -n 1 printf '%d\n')
below=$(grep -nx "${pair[0]}" <<<"$stacking" | cut -d: -f1)
above=$(grep -nx "${pair[1]}" <<<"$stacking" | cut -d: -f1)
[ -n "$below" ] && [ -n "$above" ] && ((above > below)) ||
  fail "the second popup is not above the first: stacking $(echo $stacking)"

echo "reminder popup: ${pw}x${ph} at 07:05:00, still open $((last_seen - clicked)) ms after the click, then closed; two at 07:06:00"
