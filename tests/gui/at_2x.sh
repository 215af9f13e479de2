#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one screenshot function of a GUI test binary at twice the pixel density
# (QT_SCALE_FACTOR=2) on its own virtual desktop of 3840 x 2160, large enough for every
# window at 2x, beside the 1x images the 1x test has written; the 2x ones get "-2x" before
# ".png". A window laid out the same at 2x gives a grab of exactly twice the size; names
# marked "framed:" include the window manager's frame, which stays at 1x, and are only kept.
#
# Usage: at_2x.sh BINARY FUNCTION ARTIFACT_DIR [framed:]IMAGE...
set -euo pipefail
binary=$1
function=$2
artifacts=$3
shift 3
[ $# -gt 0 ] || { echo "usage: at_2x.sh BINARY FUNCTION ARTIFACT_DIR [framed:]IMAGE..." >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
. "$here/shelltest.sh"
. "$here/../../tools/xsession.sh"
start_virtual_desktop 3840x2160x24
trap 'stop_virtual_desktop; rm -rf "$work"' EXIT

size() {
  local wh
  wh=$(identify -format '%w %h' "$1" 2>/dev/null) || wh="none none"
  echo "$wh"
}

# The 1x images step aside while the 2x run writes the same names.
for image in "$@"; do
  name=${image#framed:}
  if [ -f "$artifacts/$name" ]; then
    mv "$artifacts/$name" "$work/$name"
  else
    fail "no 1x $name: the 1x test did not write it"
  fi
done
if ! QT_SCALE_FACTOR=2 "$binary" "$function" >"$work/log" 2>&1; then
  fail "$(basename "$binary") $function at 2x"
  cat "$work/log" >&2
fi
for image in "$@"; do
  name=${image#framed:}
  twice=${name%.png}-2x.png
  if [ -f "$artifacts/$name" ]; then
    mv "$artifacts/$name" "$artifacts/$twice"
  else
    fail "no $name at 2x"
  fi
  if [ -f "$work/$name" ]; then mv "$work/$name" "$artifacts/$name"; fi
  if [ "$image" == "$name" ]; then
    read -r w h <<<"$(size "$artifacts/$name")"
    [ "$w" == none ] && w=0 h=0
    check_eq "$twice is $name at twice the size" "$((2 * w)) $((2 * h))" \
      "$(size "$artifacts/$twice")"
  fi
done
finish
