#!/usr/bin/env bash
# The clock started with background pictures of 0 x 0, 1 x 1 and 10 000 x 10 000 pixels and with
# negative sizes: unusable ones are named in the log and replaced by the built-in skin, usable ones
# size the window, and neither the picture nor the settings are touched.
source "$(dirname "$0")/../e2e/lib.sh"
driver=${3:?path of fault_driver}

e2e_start_display

# run_clock NAME [WIDTH HEIGHT]: starts the clock in a program directory whose only background is
# NAME.BK of that size (none without a size), chosen in config.ini; sets size, log and saves them.
run_clock() {
  local name=$1 dir
  dir=$(e2e_program_dir "-$name")
  find "$dir" -maxdepth 1 -name '*.BK' -delete
  if [ $# -eq 3 ]; then
    "$driver" picture "$dir/$name.BK" "$2" "$3" || fail "cannot write the picture $name"
    cp "$dir/$name.BK" "$E2E_TMP/$name.BK.orig"
  fi
  printf '[skin]\nbackground=%s\n' "$name" >>"$dir/config.ini"
  cp "$dir/config.ini" "$E2E_TMP/$name.ini.orig"
  e2e_start_clock "$dir"
  read -r _ _ w h < <(e2e_geometry "$E2E_CLOCK_WIN")
  size="$w $h"
  # A grab of the screen goes through the X server after the first paint.
  e2e_screen_crop "$E2E_TMP/$name.png" 0 0 64 64
  kill -0 "$E2E_CLOCK_PID" || fail "$name: the clock ended by itself"
  kill "$E2E_CLOCK_PID"
  wait_for 20 e2e_process_gone "$E2E_CLOCK_PID" || fail "$name: the clock did not end"
  log=$(cat "$E2E_TMP/clock.log")
  cmp -s "$dir/config.ini" "$E2E_TMP/$name.ini.orig" || fail "$name: config.ini was changed"
  if [ $# -eq 3 ]; then
    cmp -s "$dir/$name.BK" "$E2E_TMP/$name.BK.orig" || fail "$name: the picture was changed"
  fi
}

run_clock none
builtin=$size
grep -q 'using the built-in skin' <<<"$log" || fail "no message about the built-in skin: $log"
echo "no background at all: built-in skin of ${builtin/ /x} pixels"

for case in "empty 0 0" "huge 10000 10000" "wide 10000 -10000" "negwidth -120 30" "negboth -5 -5"; do
  read -r name pw ph <<<"$case"
  run_clock "$name" "$pw" "$ph"
  grep -q "background .*$name.BK is not a usable picture; using the built-in skin" <<<"$log" ||
    fail "$name (${pw}x${ph}): no clear message; log: $log"
  [ "$size" = "$builtin" ] || fail "$name (${pw}x${ph}): window is $size, built-in skin is $builtin"
  echo "${pw}x${ph}: refused with \"$(grep -o 'background .*' <<<"$log" | head -n 1)\"; built-in skin shown"
done

for case in "single 1 1 1" "topdown 120 -30 30"; do
  read -r name pw ph rows <<<"$case"
  run_clock "$name" "$pw" "$ph"
  [ "$size" = "$pw $rows" ] || fail "$name (${pw}x${ph}): window is $size, expected $pw $rows"
  if grep -q 'not a usable picture' <<<"$log"; then fail "$name (${pw}x${ph}) was refused: $log"; fi
  echo "${pw}x${ph}: window of ${pw}x${rows} pixels, clock ran"
done
echo "PASS: every picture size ended in a running clock with a clear message where it was refused"
