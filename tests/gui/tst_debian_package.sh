#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: packed with CPack in a build tree of its own around this build's
# program, its name, dependencies and files, lintian (no errors, no hardening tags), AppStream
# and desktop-entry validation; then unpacked with dpkg -x and started from there: the first
# start makes the user's folder, an action sent with gapplication reaches the running bar, and
# a start after an upgrade refreshes the program and skin but keeps the user's menu, database
# and configuration.
#
# Usage: tst_debian_package.sh BUILD_DIR SOURCE_DIR GENERATOR PROGRAM
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/shelltest.sh"

tree=$build/debian-package
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
cmake -S "$source" -B "$tree" -G "$3" -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" \
  -DCMAKE_CXX_COMPILER="$(cached CMAKE_CXX_COMPILER)" -DCMAKE_CXX_FLAGS="$(cached CMAKE_CXX_FLAGS)" \
  -DLARKSPAN_WERROR="$(cached LARKSPAN_WERROR)" -DLARKSPAN_SANITIZE="$(cached LARKSPAN_SANITIZE)" \
  -DLARKSPAN_DEBIAN=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  >"$work/configure.log" 2>&1 || { fail "configure: $(tail -n 5 "$work/configure.log")"; finish; }
# `cpack` builds all of the package's tree: the program, and no tests or benchmarks.
check_eq "test and benchmark programs in the package's tree" "" \
  "$(grep -o -e '-o tests/[^ ]*' -e '-o bench/[^ ]*' "$tree/compile_commands.json" | head -n 3)"
# The package's tree compiles the program exactly as this build does, so it packs this
# build's program instead of compiling it again.
program_commands() { # tree
  grep '"command"' "$1/compile_commands.json" | grep -v -e '-o tests/' -e '-o bench/' \
    -e '-o tools/' | sed "s|$1|TREE|g" | LC_ALL=C sort
}
check_eq "the package's tree compiles the program alike (hardened: -DLARKSPAN_HARDEN=ON)" \
  "$(program_commands "$build")" "$(program_commands "$tree")"
# lintian cannot tell a fortified build of this program from another.
check_eq "program sources compiled without fortification" "" \
  "$(program_commands "$tree" | grep -v -e '-D_FORTIFY_SOURCE=[1-9]' | head -n 3)"
cmake --build "$tree" --target larkspan_files larkspan_debian_documents \
  >"$work/build.log" 2>&1 || { fail "build: $(tail -n 5 "$work/build.log")"; finish; }
cp "$4" "$tree/larkspan/larkspan"
(cd "$tree" && cpack -B "$work/package" >"$work/cpack.log" 2>&1) ||
  { fail "cpack: $(tail -n 5 "$work/cpack.log")"; finish; }
deb=$work/package/larkspan_2.8_amd64.deb
[ -f "$deb" ] || { fail "no larkspan_2.8_amd64.deb: $(ls "$work/package")"; finish; }

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6dbus6 libsqlite3-0 libmdb3 libc6 libglib2.0-bin xdg-utils \
  qt6-translations-l10n fonts-noto-cjk; do
  case ", $depends" in
  *", $package"[\ ,]* | *", $package") ;;
  *) fail "Depends lacks $package: $depends" ;;
  esac
done
lintian -I --pedantic --fail-on none "$deb" >"$work/lintian.log" 2>/dev/null
check_eq "lintian errors" "" "$(grep '^E:' "$work/lintian.log" || true)"
check_eq "lintian hardening tags" "" "$(grep ' hardening-' "$work/lintian.log" || true)"

root=$work/root
dpkg -x "$deb" "$root"
for file in usr/bin/larkspan usr/lib/larkspan/larkspan usr/lib/larkspan/menu.ini \
  usr/lib/larkspan/data.mdb usr/lib/larkspan/skins/default/bar.bmp \
  usr/lib/larkspan/translations/larkspan_zh_CN.qm \
  usr/share/applications/org.larkspan.Larkspan.desktop usr/share/man/man1/larkspan.1.gz \
  usr/share/icons/hicolor/48x48/apps/larkspan.png usr/share/icons/hicolor/scalable/apps/larkspan.svg \
  usr/share/doc/larkspan/copyright; do
  [ -f "$root/$file" ] || fail "not in the package: /$file"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/org.larkspan.Larkspan.metainfo.xml" \
  >"$work/appstream.log" 2>&1 || fail "appstreamcli: $(cat "$work/appstream.log")"
check_eq "desktop-file-validate" "" \
  "$(desktop-file-validate "$root/usr/share/applications/org.larkspan.Larkspan.desktop" 2>&1)"

# A session bus of the test's own, for the desktop entry's actions.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
bus_pid=${bus##*$'\n'}
pid=
trap 'kill $pid "$bus_pid" 2>/dev/null || true; rm -rf "$work"' EXIT

export HOME=$work/home XDG_DATA_HOME=$work/data
folder=$XDG_DATA_HOME/larkspan
start() { # what for
  "$root/usr/bin/larkspan" 2>"$work/stderr" &
  pid=$!
  window=$(wait_for_bar "$pid")
  [ -n "$window" ] || fail "$1: no bar shown: $(cat "$work/stderr")"
}
stop() { # what for
  [ -z "$window" ] || close_bar "$window" "$pid" || fail "$1: the program did not end on Alt+F4"
  wait "$pid" 2>/dev/null || true
}

start "first start"
for file in larkspan README menu.ini data.mdb skins/default/colors.ini \
  translations/larkspan_de.qm; do
  cmp -s "$root/usr/lib/larkspan/$file" "$folder/$file" || fail "first start: $file not copied"
done
check_eq "the README's mentions of install.sh, which the package lacks" "" \
  "$(grep -n 'install\.sh' "$folder/README")"
if [ -n "$window" ]; then
  gapplication action org.larkspan.Larkspan about || fail "gapplication action failed"
  about=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^About$' | head -n 1)
  [ -n "$about" ] || fail "the about action showed no About window"
  [ -z "$about" ] || timeout 10 xdotool key --window "$about" Escape || true
fi
stop "first start"
check_eq "config.ini in the user's folder" '$apppath$\menu.ini' \
  "$(ini_value "$folder/config.ini" menu file)"

# The user's files of an older version, beside an older program and a damaged skin.
printf '[menu]\r\nitems=0\r\n' >"$folder/menu.ini"
sqlite3 "$folder/data.mdb" 'CREATE TABLE "Kept by the user" (x)'
printf '%s\r\n' '[menu]' 'file=$apppath$\menu.ini' '[skin]' 'file=$apppath$\skins\default\' \
  '[WindowPos]' 'Top=200' 'Left=100' >"$folder/config.ini"
echo "damaged" >"$folder/skins/default/colors.ini"
printf '#!/bin/sh\nexit 3\n' >"$folder/larkspan"
start "after an upgrade"
[ -z "$window" ] || check_eq "the stored place" "100 200" "$(wait_for_origin "$window" "100 200")"
stop "after an upgrade"
check_eq "menu.ini after an upgrade" "$(printf '[menu]\r\nitems=0\r\n')" "$(cat "$folder/menu.ini")"
sqlite3 "$folder/data.mdb" .tables | grep -q "Kept by the user" || fail "data.mdb was replaced"
check_eq "config.ini after an upgrade" "200" "$(ini_value "$folder/config.ini" WindowPos Top)"
cmp -s "$root/usr/lib/larkspan/skins/default/colors.ini" "$folder/skins/default/colors.ini" ||
  fail "the skin was not refreshed"

finish
