#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of the sources has a finished translation in every shipped language: the
# translators' files are refreshed from the sources into a temporary folder, where no text
# may be left unfinished. Names the first missing texts of each language.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/larkspan_*.ts "$work"/
bash "$root/tools/update-translations.sh" "$work"/larkspan_*.ts

failed=0
for ts in "$work"/larkspan_*.ts; do
  # The texts whose translation is unfinished or empty, one a line.
  missing=$(awk '
    /<source>/ { text = ""; inside = 1 }
    inside { text = text $0 "\n" }
    /<\/source>/ { inside = 0 }
    /<translation type="unfinished"|<translation><\/translation>/ {
      sub(/^[ \t]*<source>/, "", text); sub(/<\/source>\n$/, "", text); gsub(/\n/, "\\n", text)
      print text
    }' "$ts")
  [ -n "$missing" ] || continue
  failed=1
  echo "FAIL: $(basename "$ts"): $(grep -c . <<<"$missing") texts without a finished translation, first:" >&2
  head -n 5 <<<"$missing" | sed 's/^/  /' >&2
done
[ "$failed" -eq 0 ] && echo "every text is translated in $(ls "$work"/larkspan_*.ts | wc -l) languages"
exit "$failed"
