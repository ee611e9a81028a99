#!/usr/bin/env bash
# The Debian package holds the program, its desktop entry and its icons and
# nothing else, is version 1.0.0.0, and depends on Qt 6 Widgets and a CJK font.
set -euo pipefail
deb=$(ls "$1"/corvane_*.deb)
version=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
expected="./usr/bin/corvane
./usr/share/applications/corvane.desktop"
for size in 16 24 32 48 64 128 256; do
  expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/corvane.png"
done
files=$(cd "$root" && find . -type f | sort)
[ "$files" = "$(sort <<<"$expected")" ] || fail "the package holds: $files"
[ -x "$root/usr/bin/corvane" ] || fail "the program is not executable"

desktop-file-validate "$root/usr/share/applications/corvane.desktop" || fail "the desktop entry is not valid"
grep -qx 'Name=Corvane' "$root/usr/share/applications/corvane.desktop" || fail "no Name=Corvane"
grep -q '^Comment\[zh_CN\]=.*MD5' "$root/usr/share/applications/corvane.desktop" || fail "no Chinese comment"
grep -qx "X-Corvane-Version=$version" "$root/usr/share/applications/corvane.desktop" || fail "desktop entry version"
for size in 16 24 32 48 64 128 256; do
  identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/corvane.png" | grep -qx "${size}x${size}" ||
    fail "icon ${size}x${size} has another size"
done

[ "$(dpkg-deb -f "$deb" Package)" = corvane ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n fonts-wqy-microhei; do
  grep -q "$dependency" <<<"$depends" || fail "no dependency on $dependency: $depends"
done
echo "ok: the package holds what it should: $depends"
