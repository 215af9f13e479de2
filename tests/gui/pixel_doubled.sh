#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that regions of a 2x screenshot hold a 1x picture scaled without blur: every 2 x 2
# block of pixels is one colour. A picture smoothed on the way up has blended edges instead.
#
# Usage: pixel_doubled.sh IMAGE X,Y,WIDTH,HEIGHT... (even numbers, in the image's pixels)
set -euo pipefail
image=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
. "$here/shelltest.sh"

[ -f "$image" ] || { echo "no image $image" >&2; exit 1; }
for region in "$@"; do
  IFS=, read -r x y w h <<<"$region"
  convert "$image" -crop "${w}x$h+$x+$y" +repage "$work/region.png"
  # Keep one pixel of each block, double it again and count what differs.
  convert "$work/region.png" -sample 50% -sample 200% "$work/doubled.png"
  differing=$(compare -metric AE "$work/region.png" "$work/doubled.png" null: 2>&1 || true)
  check_eq "pixels of $region not in one-colour 2 x 2 blocks" 0 "$differing"
done
finish
