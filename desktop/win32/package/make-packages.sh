#!/usr/bin/env bash
# Makes the Windows release of a built program in OUT_DIR: dovetock-VERSION-windows-x64.zip (a
# folder Dovetock/ with the program, its skins, the reminder picture and README.txt) and
# dovetock-VERSION-setup.exe (the per-user installer, NSIS). scripts/package-windows calls it
# through the build's package_windows target.
#   make-packages.sh DOVETOCK_EXE PROGRAM_DIR OUT_DIR VERSION [ICON.ico]
set -euo pipefail
exe=$1 program_dir=$2 out=$3 version=$4 icon=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
IFS=. read -r major minor patch <<<"$version"
full_version="$major.${minor:-0}.${patch:-0}"

mkdir -p "$out"
out=$(cd "$out" && pwd)
work="$out/package"
stage="$work/Dovetock"
rm -rf "$work"
mkdir -p "$stage"

# The program without its symbols, the skins and the reminder picture of the program directory.
x86_64-w64-mingw32-strip -o "$stage/dovetock.exe" "$exe"
find "$program_dir" -maxdepth 1 -type f \( -iname '*.BK' -o -iname '*.NUM' -o -iname '*.MSG' \) \
  -exec cp {} "$stage/" \;
for kind in BK NUM; do
  if [ -z "$(find "$stage" -iname "*.$kind")" ]; then
    echo "make-packages: no *.$kind skin in $program_dir" >&2
    exit 1
  fi
done
if [ ! -f "$stage/通知.MSG" ]; then
  echo "make-packages: no 通知.MSG in $program_dir" >&2
  exit 1
fi
# README.txt as Notepad and Explorer's preview expect it: UTF-8 with a byte-order mark, CRLF.
{
  printf '\xef\xbb\xbf'
  sed -e "s/@VERSION@/$full_version/g; s/@SHORT_VERSION@/$version/g" -e 's/$/\r/' "$here/README.txt"
} >"$stage/README.txt"

# Python's zipfile stores a non-ASCII name as UTF-8 with the entry's UTF-8 flag set, which Explorer
# needs to show "通知.MSG" rightly (Debian's zip 3.0 stores the bytes without the flag).
zip="$out/dovetock-$version-windows-x64.zip"
rm -f "$zip"
(cd "$work" && python3 -m zipfile -c "$zip" Dovetock)

# The installer copies exactly the staged files, and its uninstaller removes exactly those:
# skins a user added to the program folder stay.
files="$work/files.nsh"
{
  echo '!macro DOVETOCK_INSTALL_FILES'
  (cd "$stage" && find . -maxdepth 1 -type f ! -name dovetock.exe -printf '%f\n' | LC_ALL=C sort) |
    while IFS= read -r name; do printf '  File "%s"\n' "${stage//\$/\$\$}/${name//\$/\$\$}"; done
  echo '!macroend'
  echo '!macro DOVETOCK_REMOVE_FILES'
  (cd "$stage" && find . -maxdepth 1 -type f ! -name dovetock.exe -printf '%f\n' | LC_ALL=C sort) |
    while IFS= read -r name; do printf '  Delete "$INSTDIR\\%s"\n' "${name//\$/\$\$}"; done
  echo '!macroend'
} >"$files"

setup="$out/dovetock-$version-setup.exe"
defines=(-DVERSION="$full_version" -DSTAGE="$stage" -DFILES="$files" -DOUTFILE="$setup")
if [ -n "$icon" ]; then
  defines+=(-DICON="$(cd "$(dirname "$icon")" && pwd)/$(basename "$icon")")
fi
makensis -V2 -INPUTCHARSET UTF8 "${defines[@]}" "$here/installer.nsi"
echo "$zip"
echo "$setup"
