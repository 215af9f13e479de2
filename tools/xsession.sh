# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced: starts a virtual X display with openbox and a tray host (trayer), waits until the
# window manager frames windows and the tray host is managed, and stops them on exit.
# Sets DISPLAY, and XDG_RUNTIME_DIR to a folder of its own: the program's action socket is
# there, so that programs on two desktops never answer for each other.
start_virtual_desktop() {
  local screen=${1:-1920x1080x24}
  XSESSION_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR=$XSESSION_RUNTIME_DIR
  # Xvfb picks a free display itself and tells its number, so two runs never collide.
  exec {display_fd}<> <(:)
  # -noreset: by default the server starts anew whenever its last client leaves, and refuses
  # the clients that come meanwhile; the probes below come and go.
  Xvfb -displayfd "$display_fd" -screen 0 "$screen" -nolisten tcp -noreset \
    >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  read -r -t 20 number <&"$display_fd"
  exec {display_fd}<&-
  export DISPLAY=":$number"
  # Wait until the display answers, then until openbox runs on it.
  wait_until 30 xprop -root _XKB_RULES_NAMES
  # What the services say goes to a log that is shown when one of them fails.
  XSESSION_LOG=$(mktemp)
  openbox --sm-disable >>"$XSESSION_LOG" 2>&1 &
  OPENBOX_PID=$!
  wait_until 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
    xsession_failed "no window manager after 60 s"
  trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
    --height 24 --SetDockType true --transparent false >>"$XSESSION_LOG" 2>&1 &
  TRAYER_PID=$!
  trap stop_virtual_desktop EXIT
  wait_for_window_manager
}

xsession_failed() { # what
  echo "xsession: $1 on $DISPLAY (openbox $(kill -0 "$OPENBOX_PID" 2>/dev/null && echo runs ||
    echo "has ended"), trayer $(kill -0 "$TRAYER_PID" 2>/dev/null && echo runs || echo "has ended"))" >&2
  sed 's/^/xsession: /' "$XSESSION_LOG" >&2
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
    xsession_failed "the tray host is not managed after 60 s"
  xmessage -name larkspan-wm-probe probe >/dev/null 2>&1 &
  local probe=$!
  wait_until 60 eval 'xprop -name larkspan-wm-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q =' ||
    xsession_failed "the window manager frames no window after 60 s"
  kill "$probe" 2>/dev/null || true
  wait "$probe" 2>/dev/null || true
}

stop_virtual_desktop() {
  kill "${TRAYER_PID:-}" "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -f "${XSESSION_LOG:-}"
  [ -z "${XSESSION_RUNTIME_DIR:-}" ] || rm -rf "$XSESSION_RUNTIME_DIR"
}
