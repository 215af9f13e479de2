# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced: starts a virtual X display with openbox and a tray host (trayer), waits until the
# window manager frames windows and the tray host is managed, and stops them on exit.
# Sets DISPLAY.
start_virtual_desktop() {
  local screen=${1:-1920x1080x24}
  # Xvfb picks a free display itself and tells its number, so two runs never collide.
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "$screen" -nolisten tcp ${XVFB_EXTRA:-} \
    >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t 20 number <&"$display_fd"
  exec {display_fd}<&-
  export DISPLAY=":$number"
  # The display's number can come before it takes clients: a window manager started then
  # finds no display and exits. Wait until it answers, then until openbox runs on it.
  wait_until 30 xprop -root _XKB_RULES_NAMES
  openbox --sm-disable >/dev/null 2>&1 &
  OPENBOX_PID=$!
  wait_until 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window' ||
    echo "xsession: no window manager on $DISPLAY after 60 s" >&2
  trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
    --height 24 --SetDockType true --transparent false >/dev/null 2>&1 &
  TRAYER_PID=$!
  trap stop_virtual_desktop EXIT
  wait_for_window_manager
}

# Runs a command every tenth of a second until it succeeds, for at most `seconds`.
wait_until() { # seconds command...
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Ready once a client (the tray host) is managed and a probe window has got its frame.
wait_for_window_manager() {
  wait_until 60 eval 'xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q "window id"' ||
    echo "xsession: the tray host is not managed on $DISPLAY after 60 s" >&2
  xmessage -name larkspan-wm-probe probe >/dev/null 2>&1 &
  local probe=$!
  wait_until 60 eval 'xprop -name larkspan-wm-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q =' ||
    echo "xsession: the window manager frames no window on $DISPLAY after 60 s" >&2
  kill "$probe" 2>/dev/null || true
  wait "$probe" 2>/dev/null || true
}

stop_virtual_desktop() {
  kill "${TRAYER_PID:-}" "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
  wait 2>/dev/null || true
}
