#!/usr/bin/env bash
# Takes docs/screenshot.png: the real window under Xvfb with a game in progress.
# Usage: tools/make_screenshot.sh [build/frothwick]
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/lib.sh "${1:-build/frothwick}" assets
start_x
start_game
click_at 594 256
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
sleep 1.2
screenshot
/usr/bin/convert "$WORK/screen.png" -crop "687x510+$WIN_X+$WIN_Y" +repage docs/screenshot.png
close_game
echo "wrote docs/screenshot.png"
