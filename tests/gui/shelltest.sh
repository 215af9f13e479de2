# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the shell tests: checks that count failures instead of stopping at the first,
# and the steps of driving a running bar from outside (find it, read where it is, close it).

failures=0

# The test's temporary folder, removed at the end; a script that sets another EXIT trap
# removes it there.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

check_eq() { # what expected actual
  if [ "$2" == "$3" ]; then
    echo "ok: $1"
  else
    fail "$1: expected [$2], got [$3]"
  fi
}

finish() {
  if [ "$failures" -eq 0 ]; then
    echo "all checks passed"
    exit 0
  fi
  echo "$failures check(s) failed" >&2
  exit 1
}

# The value of key in [section] of a profile file, CR LF or LF, names matched without case.
ini_value() { # file section key
  awk -v section="$2" -v key="$3" '
    { sub(/\r$/, "") }
    /^\[/ { inside = tolower($0) == "[" tolower(section) "]"; next }
    inside && index($0, "=") {
      k = substr($0, 1, index($0, "=") - 1)
      if (tolower(k) == tolower(key)) { print substr($0, index($0, "=") + 1); exit }
    }' "$1"
}

# The bar's window of process pid once it is mapped; nothing after 20 seconds.
wait_for_bar() { # pid
  timeout 20 xdotool search --sync --onlyvisible --pid "$1" --name '^Larkspan$' 2>/dev/null |
    head -n 1
}

# "X Y" of the window's top-left corner on the root window.
window_origin() { # window
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                           END { print x, y }'
}

# Waits up to 10 seconds until the window stands at "X Y"; prints where it stands then.
wait_for_origin() { # window "X Y"
  local at
  for _ in $(seq 100); do
    at=$(window_origin "$1")
    [ "$at" == "$2" ] && break
    sleep 0.1
  done
  echo "$at"
}

# Closes the bar through the window manager's close request, as its close command does,
# which needs no activation, and waits up to 10 seconds for the program to end. Fails when
# it does not.
close_bar() { # window pid
  timeout 10 wmctrl -i -c "$1" 2>/dev/null || true
  for _ in $(seq 100); do
    kill -0 "$2" 2>/dev/null || { wait "$2" 2>/dev/null || true; return 0; }
    sleep 0.1
  done
  kill "$2" 2>/dev/null || true
  return 1
}

# Openbox announces itself before it frames windows, and the tray host docks a moment later,
# making openbox rearrange; a window mapped before both are done may never learn its frame.
# Waits up to 10 seconds each until the tray host is managed and a probe window has a frame.
