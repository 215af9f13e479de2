#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop helper install.sh of an installed folder, run with a temporary HOME: what it
# writes and where, that the entries are valid and start the right program from a folder
# with an awkward name, that it never takes over or removes someone else's files, and that
# its undo leaves HOME as it was.
#
# Usage: tst_desktop_helper.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
. "$here/shelltest.sh"

cmake --install "$build" --prefix "$work/installed" >/dev/null
# The folder moves as a whole; quotes, $, % and \ in its name test the Exec quoting.
folder="$work/My \"apps\" \$HOME %u \\x"
mv "$work/installed" "$folder"

helper() { # HOME, then the helper's arguments
  local home=$1
  shift
  env -i PATH=/usr/bin:/bin HOME="$home" "$folder/install.sh" "$@"
}

listing() { # folder
  (cd "$1" && find . -printf '%y %p\n' | LC_ALL=C sort)
}

home=$work/home
mkdir -p "$home/.config" "$home/.local/share/applications"
echo "[Desktop Entry]" >"$home/.local/share/applications/other.desktop"
listing "$home" >"$work/before"
had_cache=false
if command -v gtk-update-icon-cache >/dev/null; then
  # A user's icon cache must learn the icon, or the desktop keeps showing none.
  mkdir -p "$home/.local/share/icons/hicolor/32x32/apps"
  cp "$folder/icons/larkspan-32.png" "$home/.local/share/icons/hicolor/32x32/apps/other.png"
  gtk-update-icon-cache -q -t "$home/.local/share/icons/hicolor"
  had_cache=true
  listing "$home" >"$work/before"
fi

helper "$home" --autostart >"$work/out" || fail "install.sh --autostart failed: $(cat "$work/out")"

entry=$home/.local/share/applications/larkspan.desktop
autostart=$home/.config/autostart/larkspan.desktop
hicolor=$home/.local/share/icons/hicolor
expected="$entry $autostart $hicolor/scalable/apps/larkspan.svg"
for size in 16 22 24 32 48 64 128 256; do
  expected="$expected $hicolor/${size}x$size/apps/larkspan.png"
  cmp -s "$folder/icons/larkspan-$size.png" "$hicolor/${size}x$size/apps/larkspan.png" ||
    fail "icon $size is not the folder's"
done
for f in $expected; do
  [ -f "$f" ] || fail "not written: $f"
done
check_eq "files added" "$(echo "$expected" | wc -w)" \
  "$(comm -13 <(grep '^f' "$work/before") <(listing "$home" | grep '^f') |
    grep -vc '/.local/state/larkspan/')"
check_eq "desktop-file-validate" "" "$(desktop-file-validate "$entry" "$autostart" 2>&1)"
# \\ and %% are the file's escapes of \ and %, \\" and \\$ the quoting's of " and $.
check_eq "Exec" \
  "Exec=env QT_QPA_PLATFORM=xcb \"$work/My \\\\\"apps\\\\\" \\\\\$HOME %%u \\\\\\\\x/larkspan\"" \
  "$(grep -m 1 '^Exec=' "$entry")"
# Each action reaches the running copy over the session bus.
check_eq "actions" "menu;settings;about;
gapplication action org.larkspan.Larkspan menu
gapplication action org.larkspan.Larkspan settings
gapplication action org.larkspan.Larkspan about" \
  "$(sed -n -e 's/^Actions=//p' -e 's/^Exec=\(gapplication .*\)/\1/p' "$entry")"
check_eq "TryExec" "TryExec=$work/My \"apps\" \$HOME %u \\\\x/larkspan" \
  "$(grep '^TryExec=' "$entry")"
check_eq "autostart entry" "$(cat "$entry")" "$(cat "$autostart")"
# The menus show the same names and descriptions in each language as with the package.
check_eq "translated keys" \
  "$(grep '^[A-Za-z]*\[' "$here/../../resources/debian/org.larkspan.Larkspan.desktop")" \
  "$(grep '^[A-Za-z]*\[' "$entry")"
if $had_cache; then
  grep -qa larkspan "$hicolor/icon-theme.cache" || fail "the icon cache was not refreshed"
fi

# A second run, without --autostart, keeps the autostart entry and changes no file list.
listing "$home" >"$work/installed"
helper "$home" >/dev/null || fail "second run failed"
check_eq "second run" "$(cat "$work/installed")" "$(listing "$home")"

# A file the user put into a folder the helper made stays, with that folder.
echo mine >"$hicolor/48x48/apps/mine.png"
helper "$home" --uninstall >/dev/null || fail "install.sh --uninstall failed"
check_eq "the user's file in a folder the helper made" "mine" \
  "$(cat "$hicolor/48x48/apps/mine.png" 2>&1)"
rm "$hicolor/48x48/apps/mine.png"
rmdir "$hicolor/48x48/apps" "$hicolor/48x48"
check_eq "HOME after the undo" "$(cat "$work/before")" "$(listing "$home")"
if $had_cache; then
  grep -qa larkspan "$hicolor/icon-theme.cache" && fail "the icon cache still names the icon"
fi
helper "$home" --uninstall >/dev/null || fail "a second undo failed"
check_eq "HOME after a second undo" "$(cat "$work/before")" "$(listing "$home")"

# Someone else's entry is neither overwritten nor, later, removed: nothing is written.
other=$work/other
mkdir -p "$other/.local/share/applications"
echo "[Desktop Entry]" >"$other/.local/share/applications/larkspan.desktop"
listing "$other" >"$work/other-before"
if helper "$other" >"$work/out" 2>&1; then
  fail "install.sh took over a file it did not write"
fi
grep -q "were not written by this script" "$work/out" || fail "no reason given: $(cat "$work/out")"
check_eq "a refused run changes nothing" "$(cat "$work/other-before")" "$(listing "$other")"
check_eq "the other entry" "[Desktop Entry]" \
  "$(cat "$other/.local/share/applications/larkspan.desktop")"

# The XDG base folders are honoured when set, and relative ones ignored.
xdg=$work/xdg
mkdir -p "$xdg/home"
env -i PATH=/usr/bin:/bin HOME="$xdg/home" XDG_DATA_HOME="$xdg/data" XDG_CONFIG_HOME=relative \
  "$folder/install.sh" --autostart >/dev/null || fail "install.sh with XDG folders failed"
[ -f "$xdg/data/applications/larkspan.desktop" ] || fail "XDG_DATA_HOME not used"
[ -f "$xdg/home/.config/autostart/larkspan.desktop" ] || fail "a relative XDG_CONFIG_HOME used"

helper "$home" --bogus >/dev/null 2>&1 && fail "an unknown option was accepted"

finish
