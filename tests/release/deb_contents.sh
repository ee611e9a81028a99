#!/usr/bin/env bash
# The Debian package holds the program, its desktop entry, AppStream data,
# icons (bitmaps and the scalable one), manual page, copyright and
# changelog, and nothing else; it is version 1.0.0.0 and depends on Qt 6
# Widgets, Qt's Chinese texts and a CJK font; lintian finds no error and no
# warning in it, appstreamcli validates its metadata, man renders its manual
# page without a warning, and its SVG icon draws what the 32 x 32 bitmap shows.
set -euo pipefail
deb=$(ls "$1"/corvane_*.deb)
version=$2
id=org.corvane.Corvane
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
expected="./usr/bin/corvane
./usr/share/applications/$id.desktop
./usr/share/metainfo/$id.metainfo.xml
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/corvane.1.gz
./usr/share/doc/corvane/copyright
./usr/share/doc/corvane/changelog.gz"
for size in 16 24 32 48 64 128 256; do
  expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
files=$(cd "$root" && find . -type f | sort)
[ "$files" = "$(sort <<<"$expected")" ] || fail "the package holds: $files"
[ -x "$root/usr/bin/corvane" ] || fail "the program is not executable"

entry=$root/usr/share/applications/$id.desktop
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -qx 'Name=Corvane' "$entry" || fail "no Name=Corvane"
grep -qx "Icon=$id" "$entry" || fail "the icon is not named by the id"
grep -qx 'Exec=corvane %f' "$entry" || fail "Exec does not pass the file it is opened with"
grep -q '^Comment\[zh_CN\]=.*MD5' "$entry" || fail "no Chinese comment"
grep -qx "X-Corvane-Version=$version" "$entry" || fail "desktop entry version"
for size in 16 24 32 48 64 128 256; do
  identify -format '%wx%h' "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -qx "${size}x${size}" ||
    fail "icon ${size}x${size} has another size"
done

# The scalable icon at 32 x 32 is the 32 x 32 bitmap, pixel for pixel.
rsvg-convert -w 32 -h 32 "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" -o "$root/svg-32.png"
differing=$(compare -metric AE -fuzz 1% "$root/svg-32.png" "$root/usr/share/icons/hicolor/32x32/apps/$id.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "the SVG at 32 x 32 differs from the bitmap in $differing pixels"

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects the metadata"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metadata names another desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata's release is not $version"

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/corvane.1.gz" 2>&1 >"$root/man.txt")
[ -z "$warnings" ] || fail "man warns: $warnings"
for part in 'corvane \[FILE\]' '--help' '--version' 'MD5SUMS' 'EXIT STATUS'; do
  grep -q -- "$part" "$root/man.txt" || fail "the manual page lacks $part"
done

lint=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges' || true)
! grep -qE '^[EW]: ' <<<"$lint" || fail "lintian: $lint"

[ "$(dpkg-deb -f "$deb" Package)" = corvane ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "$deb" Maintainer | grep -qv 'localhost' || fail "the maintainer's address is on localhost"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 3 ] || fail "no extended description"
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins qt6-translations-l10n fonts-wqy-microhei; do
  grep -q "$dependency" <<<"$depends" || fail "no dependency on $dependency: $depends"
done
echo "ok: lintian finds no error or warning; appstreamcli, man and the SVG agree: $depends"
