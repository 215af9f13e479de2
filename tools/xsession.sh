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
  # Now and then, under load, openbox finds the new display not yet open to it and exits at
  # once: then it is started again, so that no test runs on a desktop without its manager.
  local attempt
  for attempt in 1 2 3; do
    openbox --sm-disable >/dev/null 2>&1 &
    OPENBOX_PID=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
      kill -0 "$OPENBOX_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$OPENBOX_PID" 2>/dev/null && break
    echo "xsession: openbox exited at its start (attempt $attempt)" >&2
  done
  trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
    --height 24 --SetDockType true --transparent false >/dev/null 2>&1 &
  TRAYER_PID=$!
  trap stop_virtual_desktop EXIT
  wait_for_window_manager
}

# Ready once a client (the tray host) is managed and a probe window has got its frame.
wait_for_window_manager() {
  for _ in $(seq 100); do
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  xmessage -name larkspan-wm-probe probe >/dev/null 2>&1 &
  local probe=$!
  for _ in $(seq 100); do
    xprop -name larkspan-wm-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q = && break
    sleep 0.1
  done
  kill "$probe" 2>/dev/null || true
  wait "$probe" 2>/dev/null || true
}

stop_virtual_desktop() {
  kill "${TRAYER_PID:-}" "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
  wait 2>/dev/null || true
}
