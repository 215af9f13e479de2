#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time from a left-button release on Start to the launcher menu being mapped, for menus of
# 10 to 20,000 entries (or MENU_SIZES), next to jgmenu (resident, --hide-on-startup, shown by
# the SIGUSR1 that jgmenu_run sends) fed the same captions. Both run before the timing starts.
# Median of RUNS openings each, and the first opening. With MENU_MEMORY_RUNS, also Larkspan's
# resident memory after the first opening and after that many.
# Then the floors of the release path, timed the same way: a bare X client that maps a pop-up
# as a release reaches it, and a plain Qt pop-up shown on release.
# With MENU_OPEN_BY=exec, what a key binding runs instead, timed from its exec to the menu
# mapped: `larkspan-action menu` against `jgmenu_run` (the same resident jgmenu), and
# `gapplication action org.larkspan.Larkspan menu` on a session bus of the run's own.
# Usage: [MENU_SIZES=...] [MENU_TARGET_LENGTH=...] [MENU_MEMORY_RUNS=...] [MENUWATCH_QUIET_MS=...]
#        [MENU_OPEN_BY=click|exec] bench/menu_open.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "${1:-build-rel}")
runs=${2:-11}
cd "$(dirname "$0")/.."
command -v jgmenu >/dev/null || { echo "jgmenu is not installed (apt-get install jgmenu)"; exit 1; }
. tools/xsession.sh
start_virtual_desktop

# MENU_TARGET_LENGTH makes each target that long, to try large files.
padding=$(head -c "${MENU_TARGET_LENGTH:-0}" /dev/zero | tr '\0' a)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"; stop_virtual_desktop' EXIT
by=${MENU_OPEN_BY:-click}
if [ "$by" == exec ]; then
  bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
  export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
  bus_pid=${bus##*$'\n'}
  trap 'kill $(jobs -p) "$bus_pid" 2>/dev/null; rm -rf "$work"; stop_virtual_desktop' EXIT
  printf '%-8s %12s %12s %12s %12s %12s %12s %8s\n' entries action_ms first_ms \
    gapplication_ms first_ms jgmenu_run_ms first_ms ratio
else
  printf '%-8s %12s %12s %12s %12s\n' entries larkspan_ms first_ms jgmenu_ms first_ms
fi
rss() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
# Sets X and Y to the top-left of the visible window of process $1.
find_bar() {
  local bar=""
  for _ in $(seq 200); do
    bar=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -1) && [ -n "$bar" ] && break
    sleep 0.05
  done
  eval "$(xdotool getwindowgeometry --shell "$bar")"
}
for n in ${MENU_SIZES:-10 100 1000 5000 20000}; do
  app="$work/app-$n"
  cp -r "$build/larkspan" "$app"
  rm -f "$app/config.ini"
  {
    printf '[menu]\r\nitems=%d\r\n' "$n"
    for i in $(seq "$n"); do
      printf '[item%d]\r\ncaption=Program %d\r\nexec=true %s\r\n' "$i" "$i" "$padding"
    done
  } > "$app/menu.ini"
  for i in $(seq "$n"); do printf 'Program %d,true\n' "$i"; done > "$work/menu-$n.csv"

  "$app/larkspan" 2>/dev/null &
  lark=$!
  find_bar "$lark"
  if [ "$by" == exec ]; then
    read -r ours ours_first < <("$build/bin/menuwatch" "$runs" exec "$app/larkspan-action" menu)
    read -r bus_ms bus_first < <("$build/bin/menuwatch" "$runs" exec \
      gapplication action org.larkspan.Larkspan menu)
  else
    read -r ours ours_first < <("$build/bin/menuwatch" "$runs" click $((X + 10)) $((Y + 10)))
  fi
  if [ -n "${MENU_MEMORY_RUNS:-}" ]; then
    before=$(rss "$lark")
    "$build/bin/menuwatch" "$MENU_MEMORY_RUNS" click $((X + 10)) $((Y + 10)) >/dev/null
    echo "resident memory at $n entries: ${before} kB after $runs openings," \
      "$(rss "$lark") kB after $((runs + MENU_MEMORY_RUNS))" >&2
  fi
  kill "$lark"; wait "$lark" 2>/dev/null || true

  : > "$work/jgmenurc"
  # A home of its own each: jgmenu keeps a lock file there and refuses to run twice.
  mkdir -p "$work/home-$n"
  HOME="$work/home-$n" jgmenu --csv-file="$work/menu-$n.csv" --config-file="$work/jgmenurc" --icon-size=0 \
    --hide-on-startup 2>/dev/null &
  jg=$!
  # Resident once it catches SIGUSR1 (bit 10 of SigCgt) and sleeps; a signal sent earlier
  # would end it.
  for _ in $(seq 600); do
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$jg/status" 2>/dev/null || echo 0)
    state=$(awk '{ print $3 }' "/proc/$jg/stat" 2>/dev/null || echo -)
    (( (16#$caught >> 9) & 1 )) && [ "$state" = S ] && break
    sleep 0.05
  done
  sleep 0.5
  if [ "$by" == exec ]; then
    # jgmenu_run finds the resident copy by the lock file in HOME.
    read -r theirs theirs_first < <(HOME="$work/home-$n" "$build/bin/menuwatch" "$runs" exec \
      jgmenu_run || echo failed -)
  else
    read -r theirs theirs_first < <("$build/bin/menuwatch" "$runs" signal "$jg" || echo failed -)
  fi
  kill -KILL "$jg" 2>/dev/null || true; wait "$jg" 2>/dev/null || true
  if [ "$by" == exec ]; then
    printf '%-8s %12s %12s %12s %12s %12s %12s %8s\n' "$n" "$ours" "$ours_first" "$bus_ms" \
      "$bus_first" "$theirs" "$theirs_first" "$(awk -v a="$ours" -v b="$theirs" \
      'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')"
  else
    printf '%-8s %12s %12s %12s %12s\n' "$n" "$ours" "$ours_first" "$theirs" "$theirs_first"
  fi
done
[ "$by" == exec ] && exit 0
for floor in releasemap "minimal_window --popup"; do
  # shellcheck disable=SC2086 # the floor's arguments are split on purpose
  "$build/bin/"$floor 2>/dev/null &
  pid=$!
  find_bar "$pid"
  read -r median first < <("$build/bin/menuwatch" "$runs" click $((X + 10)) $((Y + 10)))
  kill "$pid"; wait "$pid" 2>/dev/null || true
  printf 'floor, %s: %s ms (first %s)\n' "$floor" "$median" "$first"
done
