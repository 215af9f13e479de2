# Sourced: starts a virtual X display with openbox and a tray host (trayer), and stops them
# on exit. Sets DISPLAY.
start_virtual_desktop() {
  local screen=${1:-1920x1080x24}
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  export DISPLAY=":$n"
  Xvfb "$DISPLAY" -screen 0 "$screen" -nolisten tcp ${XVFB_EXTRA:-} >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox --sm-disable >/dev/null 2>&1 &
  OPENBOX_PID=$!
  trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
    --height 24 --SetDockType true --transparent false >/dev/null 2>&1 &
  TRAYER_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
  done
  trap stop_virtual_desktop EXIT
}

stop_virtual_desktop() {
  kill "${TRAYER_PID:-}" "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
  wait 2>/dev/null || true
}
