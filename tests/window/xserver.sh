# Starts an X server of our own on a free display Xvfb picks, so that tests and benchmarks never share
# one; sets XVFB_PID, exports DISPLAY. Arguments: a scratch folder [, WxHxDepth].
start_xvfb() {
  rm -f "$1/display"
  # -noreset: else it resets when its last client leaves, refusing one that connects meanwhile.
  setpriv --pdeathsig TERM Xvfb -displayfd 3 -screen 0 "${2:-1024x768x24}" -nolisten tcp -noreset 3>"$1/display" \
    >"$1/xvfb.log" 2>&1 &
  XVFB_PID=$!
  local _
  for _ in $(seq 100); do
    [ -s "$1/display" ] && export DISPLAY=":$(head -1 "$1/display")" && xdpyinfo >/dev/null 2>&1 && return 0
    kill -0 "$XVFB_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# The exit trap: ends the game (GAME_PID) and the X server (XVFB_PID) if still running, removes WORK.
end_x_session() {
  kill ${GAME_PID:-} ${XVFB_PID:-} 2>/dev/null || true # either may be unset, or have ended
  wait 2>/dev/null || true
  rm -rf "$WORK"
}

# Prints the first window named exactly $1, waiting up to $2 seconds for it. The search is repeated
# rather than left to xdotool's --sync, which gives up when a window it reads vanishes meanwhile, as
# the short-lived windows wine makes while it starts do.
find_window() {
  local end=$((SECONDS + $2)) win=""
  until win=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [ -n "$win" ]; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
  echo "$win"
}
