#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the translators' files from the texts in the sources: new texts come in
# unfinished, changed ones are marked, finished ones stay. Without line numbers, so that a
# code change that leaves the texts alone leaves the files alone too.
#
# Usage: update-translations.sh [TS-FILE...]
#   No file: every translations/larkspan_*.ts. A file that does not exist yet is made, its
#   language taken from its name (translations/larkspan_it.ts: Italian).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
files=()
for file in "$@"; do files+=("$(realpath -m "$file")"); done
cd "$root"
[ ${#files[@]} -gt 0 ] || files=("$root"/translations/larkspan_*.ts)
# The program's own folders; the tests, benchmarks and generators show nothing to users.
"$lupdate" -silent -locations none -extensions cpp,h -I . \
  about app bar core database desktopentry platform settings skin widgets x11 \
  -ts "${files[@]}"
