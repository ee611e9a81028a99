#!/usr/bin/env bash
# The Windows release archive holds the one static corvane.exe, a short
# Chinese README and the licence, and nothing else.
set -euo pipefail
zip=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
listing=$(cmake -E tar tf "$zip" | grep -v '/$' | sort)
expected=$(for f in LICENSE.txt README.txt corvane.exe; do echo "corvane-$version/$f"; done | sort)
[ "$listing" = "$expected" ] || fail "the archive holds: $listing"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && cmake -E tar xf "$zip")
grep -q 'MD5' "$dir/corvane-$version/README.txt" && grep -q '计算' "$dir/corvane-$version/README.txt" ||
  fail "the README is not the Chinese one"
cmp -s "$dir/corvane-$version/LICENSE.txt" "$(dirname "$0")/../../LICENSE" || fail "the licence differs"
x86_64-w64-mingw32-objdump -p "$dir/corvane-$version/corvane.exe" | grep 'DLL Name' |
  grep -viE 'kernel32|user32|gdi32|comdlg32|msvcrt' && fail "the program needs a DLL that Windows lacks"
echo "ok: the archive holds corvane.exe, README.txt and LICENSE.txt"
