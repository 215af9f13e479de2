#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the screenshots the GUI tests took into docs/images/, where the README shows them.
# Run it after the GUI tests (bash tools/test.sh); the argument is the build folder they
# ran in, build-asan by default.
set -euo pipefail
cd "$(dirname "$0")/.."
artifacts=${1:-build-asan}/test-artifacts

# test artifact -> picture in docs/images
shots=(
  bar-1x.png:bar.png
  menu-open.png:menu.png
  settings-lists.png:settings.png
  entry-dialog.png:entry-dialog.png
  about.png:about.png
)

for shot in "${shots[@]}"; do
  [ -f "$artifacts/${shot%%:*}" ] || {
    echo "no $artifacts/${shot%%:*}: run the GUI tests first" >&2
    exit 1
  }
done
mkdir -p docs/images
for shot in "${shots[@]}"; do
  cp "$artifacts/${shot%%:*}" "docs/images/${shot#*:}"
  echo "docs/images/${shot#*:}"
done
