#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a temporary folder: the layout the program expects, a first start
# of the installed program on the running display (the bar shows, closes on Alt+F4, and
# config.ini appears in that folder), a reinstall that keeps the user's files, the packages
# the folder's README names, the manual page, and the .tar.gz CPack makes.
#
# Usage: tst_install.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/shelltest.sh"

prefix="$work/Lark span"
cmake --install "$build" --prefix "$prefix" >/dev/null

layout="LICENSE README data.mdb icons/larkspan-128.png icons/larkspan-16.png icons/larkspan-22.png
icons/larkspan-24.png icons/larkspan-256.png icons/larkspan-32.png icons/larkspan-48.png
icons/larkspan-64.png icons/larkspan.svg install.sh larkspan larkspan.1 menu.ini
skins/default/bar.bmp skins/default/colors.ini skins/default/menu.bmp
$(for l in de es fr pt_BR ru zh_CN; do echo translations/larkspan_$l.qm; done)"
files() { (cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort | tr '\n' ' '); }
expected_files=$(for f in $layout; do echo "$f"; done | LC_ALL=C sort | tr '\n' ' ')
check_eq "installed files" "$expected_files" "$(files "$prefix")"
for program in larkspan install.sh; do
  [ -x "$prefix/$program" ] || fail "$program is not executable"
done
grep -q '^\[item1\]' "$prefix/menu.ini" || fail "the sample menu has no entries"

# Every library the program links comes from a package the README names, or from one that
# every Debian system has; so does the Qt plugin that draws on X11.
readme_packages=$(sed -n 's/^ *sudo apt-get install //p' "$prefix/README")
[ -n "$readme_packages" ] || fail "the README names no packages"
check_eq "packages in the manual" "$readme_packages" \
  "$(sed -n 's/^ *sudo apt-get install //p' "$here/../../README.md" | grep libqt6)"
# With /lib merged into /usr, dpkg knows a library by either name.
package_of() {
  local real path owner
  real=$(readlink -f "$1")
  for path in "$1" "$real" "${real#/usr}"; do
    owner=$(dpkg -S "$path" 2>/dev/null) || continue
    echo "${owner%%:*}"
    return
  done
  echo "no package"
}
xcb_plugin=$(find /usr/lib -path '*qt6/plugins/platforms/libqxcb.so' | head -n 1)
needed=$(ldd "$prefix/larkspan" | awk '$2 == "=>" && $3 ~ /^\// { print $3 }')
for library in $needed $xcb_plugin; do
  [ "$library" == "$xcb_plugin" ] ||
    readelf -d "$prefix/larkspan" | grep -q "NEEDED.*\[$(basename "$library")\]" || continue
  package=$(package_of "$library")
  case " $readme_packages libc6 libstdc++6 libgcc-s1 " in
  *" $package "*) ;;
  *) fail "$(basename "$library") comes from $package, which the README does not name" ;;
  esac
done

check_eq "manual page warnings" "" "$(groff -man -ww -z -Tutf8 "$prefix/larkspan.1" 2>&1)"
grep -q "^\.TH LARKSPAN 1" "$prefix/larkspan.1" || fail "larkspan.1 has no title line"

# The first start, from the installed folder, on the display the test run provides.
"$prefix/larkspan" 2>"$work/stderr" &
pid=$!
window=$(wait_for_bar "$pid")
if [ -z "$window" ]; then
  fail "the installed program showed no bar: $(cat "$work/stderr")"
  kill "$pid" 2>/dev/null || true
else
  screen_width=$(xwininfo -root | awk '/Width:/ { print $2 }')
  check_eq "first place" "$((screen_width - 407)) 1" \
    "$(wait_for_origin "$window" "$((screen_width - 407)) 1")"
  close_bar "$window" "$pid" || fail "the program did not end on the close request"
fi
config=$prefix/config.ini
[ -f "$config" ] || fail "no config.ini in the installed folder"
check_eq "menu file in config.ini" '$apppath$\menu.ini' "$(ini_value "$config" menu file)"
check_eq "skin in config.ini" '$apppath$\skins\default\' "$(ini_value "$config" skin file)"
check_eq "place stored at the close" "1" "$(ini_value "$config" WindowPos Top)"

# At logout the session manager sends SIGTERM: the program closes as on a close request.
rm "$config"
"$prefix/larkspan" 2>"$work/stderr" &
pid=$!
if [ -z "$(wait_for_bar "$pid")" ]; then
  fail "the program showed no bar for SIGTERM: $(cat "$work/stderr")"
fi
kill -TERM "$pid"
status=0
timeout 10 tail --pid="$pid" -f /dev/null || fail "the program did not end on SIGTERM"
wait "$pid" || status=$?
check_eq "exit status after SIGTERM" "0" "$status"
check_eq "place stored at SIGTERM" "1" "$(ini_value "$config" WindowPos Top)"

# A reinstall refreshes what is ours and keeps what is the user's.
printf '[menu]\r\nitems=0\r\n' >"$prefix/menu.ini"
echo "edited" >"$prefix/data.mdb"
echo "damaged" >"$prefix/skins/default/colors.ini"
cp "$config" "$work/config.before"
cmake --install "$build" --prefix "$prefix" >/dev/null
check_eq "menu.ini after a reinstall" "$(printf '[menu]\r\nitems=0\r\n')" "$(cat "$prefix/menu.ini")"
check_eq "data.mdb after a reinstall" "edited" "$(cat "$prefix/data.mdb")"
cmp -s "$config" "$work/config.before" || fail "a reinstall changed config.ini"
grep -q '^\[colors\]' "$prefix/skins/default/colors.ini" || fail "a reinstall kept a damaged skin"

# The package: one folder holding what the install holds, before any first run, named
# like the archive.
(cd "$build" && cpack -B "$work/package" >"$work/cpack.log" 2>&1) ||
  fail "cpack failed: $(tail -n 5 "$work/cpack.log")"
tarball=$(find "$work/package" -maxdepth 1 -name 'larkspan-*-linux-*.tar.gz' | head -n 1)
if [ -z "$tarball" ]; then
  fail "no larkspan-VERSION-linux-ARCH.tar.gz made"
else
  mkdir "$work/unpacked"
  tar -xzf "$tarball" -C "$work/unpacked"
  folder=$(basename "$tarball" .tar.gz)
  check_eq "package folders" "$folder" "$(ls "$work/unpacked")"
  check_eq "package files" "$expected_files" "$(files "$work/unpacked/$folder")"
fi

finish
