#!/usr/bin/env bash
# Installs the built package for real with apt, opens a file with the
# installed program as the desktop entry says (as "Open With" does), finds
# its window showing the file's digest and closes it with "取消"; removes
# the package again at the end.
source "$(dirname "$0")/../e2e/x11.sh"
source "$(dirname "$0")/../e2e/main_window.sh"
deb=$(ls "$1"/corvane_*.deb)

was_installed=$(dpkg-query -W -f='${Status}' corvane 2>/dev/null | grep -c 'install ok installed' || true)
remove() { [ "$was_installed" = 1 ] || apt-get remove -y -qq corvane >/dev/null 2>&1 || true; }
scratch=$(mktemp -d)
trap 'cleanup; remove; rm -rf "$scratch"' EXIT

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install $deb"
command -v corvane >/dev/null || fail "corvane is not on the PATH"
entry=/usr/share/applications/org.corvane.Corvane.desktop
[ -f "$entry" ] || fail "no desktop entry installed"
exec_line=$(sed -n 's/^Exec=//p' "$entry")

file="$scratch/opened.txt"
printf 'opened with Corvane\n' > "$file"
[[ "$exec_line" == *' %f' ]] || fail "Exec takes no file: $exec_line"
start_display
cd /
${exec_line% %f} "$file" &
pid=$!
E2E_PIDS+=($pid)
window=$(wait_window Corvane)
expect_box "$window" "${RESULT[@]}" "$(md5sum < "$file" | cut -d' ' -f1)" "the digest of the file it was opened with"
cancel_ends "$window" "$pid"
