#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the program has loaded once its bar is up: nothing that only a later action needs.
# The image-format plugins come in when a picture is read without its format named.
#
# Usage: tst_startup_libraries.sh PROGRAM_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/shelltest.sh"

cp -r "$1/." "$work/"
rm -f "$work/config.ini"
"$work/larkspan" &
pid=$!
bar=$(wait_for_bar "$pid")
check_eq "the bar is up" yes "$([ -n "$bar" ] && echo yes || echo no)"

# pattern in /proc/PID/maps | what it is
while IFS='|' read -r pattern what; do
  check_eq "$what not loaded at start" "" "$(grep -o "$pattern" "/proc/$pid/maps" | sort -u)"
done <<'TABLE'
/imageformats/[^/]*\.so|image-format plugins
TABLE

close_bar "$bar" "$pid" || fail "the bar did not close"
finish
