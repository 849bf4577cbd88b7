#!/usr/bin/env bash
# The real clock under Xvfb and icewm: window name, size, opacity, stacking, taskbar, outline, ticking.
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_start_wm

prog=$(e2e_program_dir)
e2e_keep_one_skin "$prog"
read -r bk_w bk_h < <(identify -format '%w %h\n' "BMP:$bk")

e2e_start_clock "$prog"
win=$E2E_CLOCK_WIN

read -r x y w h < <(e2e_geometry "$win")
[ "$w" = "$bk_w" ] && [ "$h" = "$bk_h" ] || fail "window is ${w}x${h}, picture is ${bk_w}x${bk_h}"

opacity=$(xprop -id "$win" _NET_WM_WINDOW_OPACITY | awk -F' = ' '{print $2}')
[ "$opacity" = "$((0xC8C8C8C8))" ] || fail "opacity property is '$opacity'"

state=$(xprop -id "$win" _NET_WM_STATE)
grep -q _NET_WM_STATE_ABOVE <<<"$state" || fail "not kept above: $state"
grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state" || fail "has a taskbar entry: $state"

# Key-coloured pixels are cut out; the face shows the picture's own colours.
key=$(e2e_file_pixel "$bk" 0 0)
corner=$(e2e_screen_pixel "$x" "$y")
[ "$corner" != "$key" ] || fail "the key colour $key is drawn at the window's corner"
cx=$((w / 2)); cy=$((h - 8))
face=$(e2e_file_pixel "$bk" "$cx" "$cy")
[ "$face" != "$key" ] || fail "test point ($cx, $cy) of the picture is key-coloured"
on_screen() { [ "$(e2e_screen_pixel $((x + cx)) $((y + cy)))" = "$face" ]; }
wait_for 10 on_screen || fail "face pixel ($cx, $cy) is $(e2e_screen_pixel $((x + cx)) $((y + cy))), picture has $face"

# The digits advance: the window's picture changes within a few seconds.
e2e_screen_crop "$E2E_TMP/a.png" "$x" "$y" "$w" "$h"
changed() {
  e2e_screen_crop "$E2E_TMP/b.png" "$x" "$y" "$w" "$h"
  [ "$(compare -metric AE "$E2E_TMP/a.png" "$E2E_TMP/b.png" null: 2>&1 || true)" != "0" ]
}
wait_for 10 changed || fail "the face did not change in 10 s"

echo "clock window: ${w}x${h} at ($x, $y), opacity $opacity, key $key cut out, digits ticking"
