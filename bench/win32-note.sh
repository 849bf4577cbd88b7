#!/usr/bin/env bash
# Prints the Windows note's and chime's figures under Wine: the median time to open a note, the
# delay from playing the chime to its first audible sample at the sound output (ALSA's file
# output in a private home), and the sizes of the resources they add to the program.
# Usage: bench/win32-note.sh [BUILD_DIR]   (a Windows build, default build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-windows}
note=$(cd "$dir" && pwd)/desktop/win32/note
. scripts/wine-env
home=$(mktemp -d)
trap 'wine_env_stop; wine_display_stop; rm -rf "$home"' EXIT
wine_display_start
wine_env_start "$dir"
printf 'pcm.!default { type file slave.pcm "null" file "%s/played.wav" format "wav" }\n' "$home" >"$home/.asoundrc"
HOME=$home PULSE_SERVER=unix:/nonexistent DOVETOCK_PLAYED=$home/played.wav wine "$note/note_bench.exe" \
  "$(winepath -w "$note/res/skins/fallback.MSG" 2>/dev/null)" | tr -d '\r'
echo "resources: chime $(stat -c %s "$note/res/chime.wav") bytes, built-in note picture $(stat -c %s "$note/res/skins/fallback.MSG") bytes"
