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
  grep -viE 'kernel32|user32|gdi32|comdlg32|comctl32|shell32|msvcrt' && fail "the program needs a DLL that Windows lacks"
echo "ok: the archive holds corvane.exe, README.txt and LICENSE.txt"

# Stripped of its debug sections and symbols, with its resources exactly as
# the build tree's whole program has them.
exe="$dir/corvane-$version/corvane.exe"
whole=$3
x86_64-w64-mingw32-objdump -h "$exe" | grep -q '\.debug_' && fail "the released program keeps debug sections"
x86_64-w64-mingw32-objdump -h "$whole" | grep -q '\.debug_' || fail "the build tree's program lost its debug sections"
for type in 3 14 16; do
  for file in "$exe" "$whole"; do wrestool -x --raw -t "$type" "$file" | md5sum; done | uniq | wc -l | grep -qx 1 ||
    fail "resources of type $type differ from the build tree's"
done
echo "ok: corvane.exe stripped: $(stat -c %s "$whole") bytes in the build tree, $(stat -c %s "$exe") released"
