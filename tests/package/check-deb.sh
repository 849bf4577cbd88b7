#!/usr/bin/env bash
# Builds the Debian package from the build folder given and checks its files, its Depends and
# Recommends lines, its copyright file, and that its desktop entry and AppStream data validate.
set -euo pipefail
build=${1:?build folder}
tmp=$(mktemp -d /tmp/dovetock-deb.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 || { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
deb=$(find "$tmp" -maxdepth 1 -name 'dovetock_*.deb')
[ -n "$deb" ] || fail "cpack made no dovetock_*.deb"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/dovetock usr/share/applications/dovetock.desktop usr/share/dovetock/通知.MSG \
  usr/share/icons/hicolor/48x48/apps/dovetock.png usr/share/icons/hicolor/256x256/apps/dovetock.png \
  usr/share/metainfo/io.github.dovetock.dovetock.metainfo.xml usr/share/doc/dovetock/copyright; do
  grep -qx "./$file" <<<"$files" || fail "the package lacks $file"
done
grep -q '^./usr/share/dovetock/.*\.BK$' <<<"$files" || fail "the package ships no background"
grep -q '^./usr/share/dovetock/.*\.NUM$' <<<"$files" || fail "the package ships no digit strip"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-arphic-uming fonts-arphic-ukai; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done

# The alarm sound: the theme, libcanberra (opened at run time) and its sound server backend,
# installed by default.
wanted=$(dpkg-deb -f "$deb" Depends Recommends)
for package in sound-theme-freedesktop libcanberra0 libcanberra-pulse; do
  grep -q "\b$package\b" <<<"$wanted" || fail "neither Depends nor Recommends names $package: $wanted"
done

dpkg-deb -x "$deb" "$tmp/root"
# The copyright file is machine-readable: its Format line, a Files paragraph for everything.
copyright="$tmp/root/usr/share/doc/dovetock/copyright"
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
grep -qx 'Files: \*' "$copyright" && grep -q '^License: ' "$copyright" || fail "the copyright file covers not every file"
desktop-file-validate "$tmp/root/usr/share/applications/dovetock.desktop" || fail "the desktop entry does not validate"
metainfo="$tmp/root/usr/share/metainfo/io.github.dovetock.dovetock.metainfo.xml"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "the AppStream data does not validate"
# Reminders repeat daily and in no other way.
description=$(sed -n '/<description>/,/<\/description>/p' "$metainfo")
grep -qi 'daily' <<<"$description" || fail "the AppStream description does not say reminders are daily"
! grep -Eiq 'weekly|monthly|yearly|every week|every month|every year' <<<"$description" ||
  fail "the AppStream description promises repeats the clock does not make: $description"
echo "package: $(basename "$deb"); Depends: $depends; Recommends: $(dpkg-deb -f "$deb" Recommends)"
