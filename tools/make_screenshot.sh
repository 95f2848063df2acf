#!/usr/bin/env bash
# Takes docs/screenshot.png: the real window under Xvfb with a game in progress. SCALE=2 takes
# docs/screenshot_2x.png instead: the window at twice the size on a 2560x1440 screen, the pointer
# resting on the Pause button so that its tip shows in the larger font.
# Usage: [SCALE=2] tools/make_screenshot.sh [build/frothwick]
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/window/lib.sh "${1:-build/frothwick}" assets
SCALE=${SCALE:-1}
if [ "$SCALE" = 1 ]; then
  OUT=docs/screenshot.png
  start_x
  start_game
else
  OUT=docs/screenshot_${SCALE}x.png
  start_xvfb "$WORK" 2560x1440x24 || fail "no X server could be started"
  FROTHWICK_SCALE=$SCALE "$GAME" >"$WORK/game.out" 2>&1 &
  GAME_PID=$!
  WIN=$(timeout 20 xdotool search --sync --name '^Frothwick$' | head -1) || fail "the window did not appear"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WIN_X=$X WIN_Y=$Y
fi
click_at $((594 * SCALE)) $((256 * SCALE))
sleep 0.3
# Spread a dozen beers over the board: each one steered a few columns, then dropped.
for moves in "Left Left Left" "Right Right" "Left" "Right Right Right Right" "Left Left Left Left Left" \
  "Right" "" "Left Left" "Right Right Right" "Left Left Left Left" "Right Right Right Right Right" ""; do
  sleep 0.25
  # shellcheck disable=SC2086
  [ -n "$moves" ] && xdotool key --delay 20 $moves
  xdotool key space
  sleep 0.4
done
[ "$SCALE" = 1 ] || xdotool mousemove --sync $((WIN_X + 590 * SCALE)) $((WIN_Y + 150 * SCALE))
sleep 1.2
screenshot
/usr/bin/convert "$WORK/screen.png" -crop "$((687 * SCALE))x$((510 * SCALE))+$WIN_X+$WIN_Y" +repage "$OUT"
close_game
echo "wrote $OUT"
