#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bar on a desktop of two monitors side by side: where it starts on the first run, what
# happens to positions stored on the other monitor or on one that is gone, and what is
# stored at the close. Runs its own X server, since the layout is set up for it.
#
# Xvfb places the screens of +xinerama all at 0,0, and Qt 6 reads monitors from RandR only;
# so one wide Xvfb screen is split into two RandR monitors, which stay since the virtual
# desktop's server never resets.
#
# Usage: tst_two_monitors.sh BUILT_APP_FOLDER ARTIFACT_DIR
set -euo pipefail
built=$(cd "$1" && pwd)
artifacts=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/shelltest.sh"
. "$here/../../tools/xsession.sh"

start_virtual_desktop 3200x1080x24
trap 'stop_virtual_desktop; rm -rf "$work"' EXIT

# Monitors as "[*]NAME WIDTHxHEIGHT+X+Y" (a * makes it the primary); the first takes the
# Xvfb output, so that no monitor covering the whole screen is left.
set_monitors() {
  local m output=screen
  for m in $(xrandr --listmonitors | awk 'NR > 1 { sub(/^[*+]+/, "", $2); print $2 }'); do
    [ "$m" == screen ] || xrandr --delmonitor "$m"
  done
  for m in "$@"; do
    local name=${m%% *} geometry=${m#* }
    local w=${geometry%%x*} rest=${geometry#*x}
    local h=${rest%%+*} offset=${rest#*+}
    xrandr --setmonitor "$name" "$w/$((w / 4))x$h/$((h / 4))+$offset" "$output" >/dev/null
    output=none
  done
}

# A fresh application folder from the build, with the given config.ini (none: first run).
app_folder() { # [config text]
  rm -rf "$work/app"
  mkdir -p "$work/app"
  cp -r "$built/larkspan" "$built/skins" "$built/menu.ini" "$work/app/"
  [ -e "$built/data.mdb" ] && cp "$built/data.mdb" "$work/app/"
  if [ $# -gt 0 ]; then
    printf '[menu]\r\nfile=$apppath$\\menu.ini\r\n[skin]\r\nfile=$apppath$\\skins\\default\\\r\n%s' \
      "$1" >"$work/app/config.ini"
  fi
}

# Starts the bar, checks where it shows and, after the close, what config.ini holds.
run_case() { # name "X Y shown" "Left Top stored at the close" [WindowPos lines]
  local name=$1 shown=$2 stored=$3
  if [ $# -gt 3 ]; then app_folder "[WindowPos]"$'\r\n'"$4"$'\r\n'; else app_folder; fi
  "$work/app/larkspan" 2>"$work/stderr" &
  local pid=$! window
  window=$(wait_for_bar "$pid")
  if [ -z "$window" ]; then
    fail "$name: no bar shown"
    cat "$work/stderr" >&2
    kill "$pid" 2>/dev/null || true
    return
  fi
  check_eq "$name: shown at" "$shown" "$(wait_for_origin "$window" "$shown")"
  [ "$name" == "first run, primary on the left" ] &&
    import -window root "$artifacts/two-monitors.png" 2>/dev/null
  close_bar "$window" "$pid" || fail "$name: the program did not end on the close request"
  local config=$work/app/config.ini
  check_eq "$name: stored at the close" "$stored" \
    "$(ini_value "$config" WindowPos Left) $(ini_value "$config" WindowPos Top)"
}

mkdir -p "$artifacts"

set_monitors "*LEFT 1920x1080+0+0" "RIGHT 1280x1024+1920+0"
run_case "first run, primary on the left" "1513 1" "1513 1"
run_case "kept on the second monitor" "2500 500" "2500 500" $'Top=500\r\nLeft=2500'
run_case "monitor gone on the right" "2794 300" "2794 300" $'Top=300\r\nLeft=5000'
run_case "below the smaller monitor" "2500 994" "2500 994" $'Top=1040\r\nLeft=2500'
run_case "monitor gone above" "100 0" "100 0" $'Top=-3000\r\nLeft=100'

# Stored positions count from the primary monitor's top-left corner.
set_monitors "LEFT 1280x1024+0+0" "*RIGHT 1920x1080+1280+0"
run_case "first run, primary on the right" "2793 1" "1513 1"
run_case "left of the primary" "280 40" "-1000 40" $'Top=40\r\nLeft=-1000'
run_case "below the smaller monitor, left of the primary" "280 994" "-1000 994" \
  $'Top=1040\r\nLeft=-1000'

finish
