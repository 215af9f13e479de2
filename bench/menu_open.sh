#!/usr/bin/env bash
# Time from a left-button release on Start to the launcher menu being mapped, for menus of
# 10 to 5,000 entries, next to jgmenu (resident, shown with jgmenu_run) fed the same
# captions. Median of RUNS openings each. Usage: bench/menu_open.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(realpath "${1:-build-rel}")
runs=${2:-11}
cd "$(dirname "$0")/.."
command -v jgmenu >/dev/null || { echo "jgmenu is not installed (apt-get install jgmenu)"; exit 1; }
. tools/xsession.sh
start_virtual_desktop

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"; stop_virtual_desktop' EXIT
printf '%-8s %12s %12s\n' entries larkspan_ms jgmenu_ms
for n in 10 100 1000 5000; do
  app="$work/app-$n"
  cp -r "$build/larkspan" "$app"
  rm -f "$app/config.ini"
  {
    printf '[menu]\r\nitems=%d\r\n' "$n"
    for i in $(seq "$n"); do printf '[item%d]\r\ncaption=Program %d\r\nexec=true\r\n' "$i" "$i"; done
  } > "$app/menu.ini"
  for i in $(seq "$n"); do printf 'Program %d,true\n' "$i"; done > "$work/menu-$n.csv"

  "$app/larkspan" 2>/dev/null &
  lark=$!
  bar=""
  for _ in $(seq 200); do
    bar=$(xdotool search --onlyvisible --pid "$lark" 2>/dev/null | head -1) && [ -n "$bar" ] && break
    sleep 0.05
  done
  eval "$(xdotool getwindowgeometry --shell "$bar")"
  ours=$("$build/bin/menuwatch" "$runs" xdotool mousemove $((X + 10)) $((Y + 10)) click 1)
  kill "$lark"; wait "$lark" 2>/dev/null || true

  : > "$work/jgmenurc"
  jgmenu --csv-file="$work/menu-$n.csv" --config-file="$work/jgmenurc" --icon-size=0 \
    --hide-on-startup 2>/dev/null &
  jg=$!
  sleep 1
  theirs=$("$build/bin/menuwatch" "$runs" jgmenu_run)
  kill "$jg"; wait "$jg" 2>/dev/null || true
  printf '%-8s %12s %12s\n' "$n" "$ours" "$theirs"
done
