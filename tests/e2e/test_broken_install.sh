#!/usr/bin/env bash
# A broken install says what is wrong and stops with status 1: a missing picture is named in a
# message box and on standard error; no display at all is said on standard error. A missing sound
# is no reason to stop.
source "$(dirname "$0")/lib.sh" "$@"

install_copy() {
  local dir=$1
  mkdir -p "$dir"
  cp "$GAME" "$dir/frothwick"
  cp -r "$(dirname "$GAME")/assets" "$dir/assets"
}

step "no display"
install_copy "$WORK/nodisplay"
status=0
env -u DISPLAY "$WORK/nodisplay/frothwick" >"$WORK/out" 2>&1 || status=$?
[ "$status" = 1 ] || fail "status $status without a display"
grep -qi "display" "$WORK/out" || fail "the message does not name the problem: $(cat "$WORK/out")"

step "a missing picture"
start_x
install_copy "$WORK/broken"
rm "$WORK/broken/assets/pctBeer_17.png"
"$WORK/broken/frothwick" >"$WORK/out" 2>&1 &
GAME_PID=$!
# SDL titles its message box in UTF-8, which xdotool's name search does not read.
box=""
for _ in $(seq 100); do
  box=$(xwininfo -root -tree | awk '/"Frothwick"/{print $1; exit}')
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no message box"
WIN=$box
screenshot
xdotool windowfocus --sync "$box"
xdotool key Return
status=0
timeout 20 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not stop"
wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" = 1 ] || fail "status $status with a missing picture"
grep -q "pctBeer_17.png" "$WORK/out" || fail "standard error does not name the file: $(cat "$WORK/out")"

step "missing sounds are silent"
install_copy "$WORK/nosound"
GAME="$WORK/nosound/frothwick"
start_game
close_game
echo "1 passed, 0 failed"
