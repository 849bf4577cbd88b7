#!/usr/bin/env bash
# The Windows release under Wine: the portable zip's contents; then, in a fresh Wine prefix, the
# installer run silently, the installed clock started from its Start menu shortcut and dragged, and
# the uninstaller, which removes the program and its traces but keeps the user's settings. Called as:
#   package.sh DOVETOCK_EXE PROGRAM_DIR VERSION [ICON.ico]
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../../.." && pwd)
. "$root/tests/e2e/lib.sh"
. "$root/scripts/wine-env"
version=${3:?version} icon=${4:-}
export WINEPREFIX="$E2E_TMP/wineprefix"  # before the trap: never stop another prefix's processes
trap 'wine_env_stop; e2e_cleanup' EXIT

out="$E2E_TMP/out"
bash "$here/../make-packages.sh" "$E2E_PROGRAM" "$E2E_BUILD_DIR" "$out" "$version" "$icon" >/dev/null
zip="$out/dovetock-$version-windows-x64.zip"
setup="$out/dovetock-$version-setup.exe"
IFS=. read -r major minor patch <<<"$version"
full_version="$major.${minor:-0}.${patch:-0}"

# The zip: the program, the data files of the program directory and README.txt in Dovetock/; the
# UTF-8 flag on every non-ASCII name; README.txt in UTF-8 with a byte-order mark and CRLF lines.
python3 - "$zip" "$E2E_BUILD_DIR" <<'PY' || fail "the zip is not as it should be"
import os, sys, zipfile
archive, program_dir = zipfile.ZipFile(sys.argv[1]), sys.argv[2]
data = [f for f in os.listdir(program_dir) if f.upper().endswith(('.BK', '.NUM', '.MSG'))]
expected = sorted(['Dovetock/', 'Dovetock/dovetock.exe', 'Dovetock/README.txt'] + ['Dovetock/' + f for f in data])
problems = []
names = sorted(info.filename for info in archive.infolist())
if names != expected or 'Dovetock/通知.MSG' not in names:
    problems.append(f'entries {names}, expected {expected} with Dovetock/通知.MSG')
problems += [f'{i.filename}: no UTF-8 flag' for i in archive.infolist() if not i.filename.isascii() and not i.flag_bits & 0x800]
problems += [f'{f} differs' for f in data if archive.read('Dovetock/' + f) != open(os.path.join(program_dir, f), 'rb').read()]
readme = archive.read('Dovetock/README.txt')
lines = readme.split(b'\n')
if not readme.startswith(b'\xef\xbb\xbf'):
    problems.append('README.txt has no byte-order mark')
if lines[-1] != b'' or any(not line.endswith(b'\r') or line.endswith(b'\r\r') for line in lines[:-1]):
    problems.append('README.txt has lines not ended by CRLF')
text = readme.decode('utf-8-sig')
problems += [f'README.txt does not name {what}' for what in ('%APPDATA%\\Dovetock', '卸载', 'Uninstall') if what not in text]
print(*problems, sep='\n', file=sys.stderr)
sys.exit(1 if problems else 0)
PY

[ -n "${DISPLAY:-}" ] || { e2e_start_display; e2e_start_wm; }
wine_env_start "$E2E_TMP"
win_env() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
appdata_win=$(win_env APPDATA) localappdata_win=$(win_env LOCALAPPDATA)
appdata=$(winepath -u "$appdata_win") localappdata=$(winepath -u "$localappdata_win")
instdir_win="$localappdata_win\\Programs\\Dovetock" instdir="$localappdata/Programs/Dovetock"
lnk="$appdata/Microsoft/Windows/Start Menu/Programs/Dovetock.lnk"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dovetock'
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
publisher=$(sed -n 's/^Copyright: [0-9]* //p' "$root/dist/copyright")
python3 -m zipfile -e "$zip" "$E2E_TMP/unzipped"

# reg_value KEY NAME: prints the data of a registry value; fails when there is none.
reg_value() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, ""); print; found = 1 } END { exit !found }'
}
reg_gone() { ! wine reg query "$1" /v "$2" >/dev/null 2>&1; }
clock_window() { xdotool search --onlyvisible --name '^Dovetock$' 2>/dev/null | awk 'NR == 1 { print } END { exit !NR }'; }
# Nothing of the program is left: its folder, the shortcut, the uninstall entry, the logon start.
all_removed() {
  [ ! -e "$instdir" ] && [ ! -e "$lnk" ] && ! wine reg query "$uninstall_key" >/dev/null 2>&1 &&
    reg_gone "HKCU\\$run_key" Dovetick && ! clock_window
}

install_and_check() {
  timeout 300 wine "$setup" /S || fail "the installer failed"
  local f listed
  listed=$( (cd "$E2E_TMP/unzipped/Dovetock" && ls; echo Uninstall.exe) | LC_ALL=C sort)
  [ "$( (cd "$instdir" && ls) | LC_ALL=C sort)" = "$listed" ] || fail "installed: $(ls "$instdir"), expected: $listed"
  for f in "$E2E_TMP/unzipped/Dovetock"/*; do
    cmp -s "$f" "$instdir/$(basename "$f")" || fail "the installed $(basename "$f") differs from the zip's"
  done
  [ -f "$lnk" ] || fail "no Start menu shortcut"
  local row name expected kib estimate
  for row in "DisplayName|Dovetock" "DisplayVersion|$full_version" "Publisher|$publisher" \
    "DisplayIcon|$instdir_win\\dovetock.exe,0" "UninstallString|\"$instdir_win\\Uninstall.exe\"" \
    "QuietUninstallString|\"$instdir_win\\Uninstall.exe\" /S"; do
    IFS='|' read -r name expected <<<"$row"
    [ "$(reg_value "$uninstall_key" "$name")" = "$expected" ] ||
      fail "uninstall entry $name: '$(reg_value "$uninstall_key" "$name")', expected '$expected'"
  done
  kib=$(($(cat "$instdir"/* | wc -c) / 1024))
  estimate=$(($(reg_value "$uninstall_key" EstimatedSize)))
  ((estimate >= kib * 9 / 10 && estimate <= kib * 11 / 10 + 8)) || fail "EstimatedSize $estimate KiB for $kib KiB"
}

# The installed clock, started from its shortcut and dragged, keeps its settings in %APPDATA%.
start_and_drag() {
  wine start /unix "$lnk" >/dev/null 2>&1
  wait_for 60 clock_window || fail "the shortcut started no clock window"
  local win x y w h nx ny
  win=$(clock_window)
  read -r x y w h < <(e2e_geometry "$win")
  e2e_drag "$win" $((w / 2)) $((h / 2)) 60 40 || fail "the clock could not be dragged"
  wait_for 30 eval '[ "$(e2e_geometry "$win" | cut -d" " -f1,2)" != "$x $y" ]' || fail "the clock did not move"
  read -r nx ny _ < <(e2e_geometry "$win")
  config="$appdata/Dovetock/config.ini"
  wait_for 30 eval 'tr -d "\r" <"$config" | grep -qx "x=$nx" && tr -d "\r" <"$config" | grep -qx "y=$ny"' ||
    fail "no position $nx, $ny in $config"
  [ ! -e "$instdir/config.ini" ] || fail "config.ini was written into the program folder"
}

# Installing again over a running clock ends it and replaces its files; then it is started again.
reinstall_while_running() {
  install_and_check
  wait_for 30 eval '! clock_window' || fail "installing again left the old clock running"
  wine start /unix "$lnk" >/dev/null 2>&1
  wait_for 60 clock_window || fail "the shortcut started no clock window after installing again"
}

# Rows: how the uninstaller runs, whether the clock runs then, the machine-wide Run value before,
# and whether that value must be gone after.
other_win='C:\Tools\Dovetock\dovetock.exe'
for row in "registered quiet string|clock|$instdir_win\\dovetock.exe|gone" \
  "in place, waited for|-|$other_win|kept" \
  "in place, waited for|-|\"$instdir_win\\dovetock.exe\"|gone"; do
  IFS='|' read -r how clock machine_run after <<<"$row"
  install_and_check
  if [ "$clock" = clock ]; then
    start_and_drag
    reinstall_while_running
  fi
  wine reg add "HKCU\\$run_key" /v Dovetick /d "$instdir_win\\dovetock.exe" /f >/dev/null 2>&1
  wine reg add "HKLM\\$run_key" /v Dovetick /d "$machine_run" /f >/dev/null 2>&1
  if [ "$how" = "registered quiet string" ]; then
    # As Settings > Apps runs it: the uninstaller copies itself away and returns at once.
    quiet=$(reg_value "$uninstall_key" QuietUninstallString)
    uninstaller=${quiet#\"} uninstaller=${uninstaller%%\"*}
    wine "$uninstaller" ${quiet##*\" } >/dev/null 2>&1 || fail "the uninstaller did not start"
  else
    timeout 300 wine "$instdir/Uninstall.exe" /S "_?=$instdir_win" || fail "the uninstaller failed"
    [ "$(ls "$instdir")" = Uninstall.exe ] || fail "left in the program folder: $(ls "$instdir")"
    rm -rf "$instdir"
  fi
  if [ "$after" = gone ]; then
    wait_for 60 eval 'all_removed && reg_gone "HKLM\\$run_key" Dovetick' ||
      fail "$how: left behind: $(ls "$instdir" 2>/dev/null) $(ls "$lnk" 2>/dev/null) $(reg_value "HKCU\\$run_key" Dovetick) $(reg_value "HKLM\\$run_key" Dovetick)"
  else
    wait_for 60 all_removed || fail "$how: not everything was removed"
    [ "$(reg_value "HKLM\\$run_key" Dovetick)" = "$machine_run" ] || fail "$how: another program's Run value was removed"
  fi
  [ -f "$appdata/Dovetock/config.ini" ] || fail "$how: the user's config.ini was removed"
done
echo "package: zip, installer and uninstaller as they should be"
