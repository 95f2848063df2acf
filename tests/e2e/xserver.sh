# Starts an X server of our own, on a free display Xvfb picks and names once ready, so tests and
# benchmarks side by side never share one. Sets XVFB_PID, exports DISPLAY. Arguments: a scratch
# folder, and the screen's size and depth (1024x768x24 unless told).
start_xvfb() {
  local scratch=$1 screen=${2:-1024x768x24}
  rm -f "$scratch/display"
  # -noreset: without it the server resets whenever its last client leaves, and a client that
  # connects meanwhile (a window manager, the next game) is refused. The server ends with the script
  # that started it, however that script ends.
  setpriv --pdeathsig TERM Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local _
  for _ in $(seq 100); do
    if [ -s "$scratch/display" ]; then
      export DISPLAY=":$(head -1 "$scratch/display")"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Ends the game and the X server a script started, if still running, and removes its scratch folder.
# Reads GAME_PID, XVFB_PID and WORK; installed as the script's exit trap.
end_x_session() {
  [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
