#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a library's code includes a header of a library it may not use. What each
# folder may use is the table in docs/architecture.md: an `#include "folder/..."` must name
# the file's own folder or one of its row's "May use" (or that row says "everything").
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
table=$root/docs/architecture.md

declare -A uses
folders=()
# Rows of the table that name a library: | `folder/` | `library`... | owns | may use |
while IFS='|' read -r _ folder library _ may_use _; do
    [[ $library == *larkspan_* ]] || continue
    folder=${folder//[\` ]/}
    folder=${folder%/}
    folders+=("$folder")
    allowed=" "
    IFS=',' read -ra items <<<"$may_use"
    for item in "${items[@]}"; do
        item=${item//\`/}
        item=$(echo "$item" | xargs)
        allowed+="${item%/} "
    done
    uses[$folder]=$allowed
done < <(grep '^| `' "$table")

if [[ ${#folders[@]} -eq 0 ]]; then
    echo "check-layers: no libraries found in $table" >&2
    exit 2
fi

# The folder of the table that holds a path, the deepest one; empty when none does.
folder_of() {
    local path=$1 best="" folder
    for folder in "${folders[@]}"; do
        if [[ $path == "$folder"/* && ${#folder} -gt ${#best} ]]; then
            best=$folder
        fi
    done
    echo "$best"
}

status=0
for folder in "${folders[@]}"; do
    while IFS= read -r file; do
        relative=${file#"$root"/}
        [[ $(folder_of "$relative") == "$folder" ]] || continue
        while IFS= read -r included; do
            target=$(folder_of "$included")
            [[ -z $target || $target == "$folder" ]] && continue
            [[ ${uses[$folder]} == *" everything "* || ${uses[$folder]} == *" $target "* ]] && continue
            echo "$relative: includes \"$included\", but $folder/ may not use $target/"
            status=1
        done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    done < <(find "$root/$folder" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
done
exit $status
