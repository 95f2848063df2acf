#!/usr/bin/env bash
# A game in a real window: New, a drop and its points, play/pause, and three lives lost by stacking
# one column, after which the play/pause button goes and the menu comes back.
source "$(dirname "$0")/lib.sh" "$@"

mug_full() { [ "$(differing_pixels "$ASSETS/pctMug.png" "$1" 461)" = 0 ]; }
mug_empty() { [ "$(differing_pixels "$ASSETS/pctEmptyMug.png" "$1" 461)" = 0 ]; }
action_shows() { [ "$(differing_pixels "$ASSETS/$1" 578 138)" = 0 ]; }

start_x
start_game

step "New: a zero score, three full mugs, a beer falling"
click_at 594 256
sleep 0.3
screenshot
[ "$(read_score)" = 0000000 ] || fail "score $(read_score)"
for left in 542 575 608; do mug_full "$left" || fail "mug at $left is not full"; done
action_shows pctPause.png || fail "the play/pause button does not show Pause"

step "Space drops the beer: 90 at once, 185 once it lands"
xdotool key space
sleep 0.05
screenshot
score=$(read_score)
[ "$score" = 0000090 ] || [ "$score" = 0000185 ] || fail "after the drop the score reads $score"
sleep 0.5
screenshot
[ "$(read_score)" = 0000185 ] || fail "after landing the score reads $(read_score)"

step "play/pause halts and resumes the fall"
click_at 594 154
sleep 0.3
screenshot
action_shows pctPlay.png || fail "the button does not show Play when paused"
cp "$WORK/screen.png" "$WORK/paused1.png"
sleep 1
screenshot
/usr/bin/compare -metric AE "$WORK/paused1.png" "$WORK/screen.png" null: 2>/dev/null || fail "the board moved while paused"
click_at 594 154
sleep 1
screenshot
action_shows pctPause.png || fail "the button does not show Pause after resuming"
/usr/bin/compare -metric AE "$WORK/paused1.png" "$WORK/screen.png" null: >/dev/null 2>&1 && fail "the board did not move after resuming"

step "stacking one column costs the lives one by one"
lost=0
for round in $(seq 400); do
  xdotool key --delay 2 Left Left Left Left Left Left Left Left Left Left Left Left Left Left space
  sleep 0.12
  if [ $((round % 10)) = 0 ]; then
    screenshot
    if [ "$lost" = 0 ] && mug_empty 608; then
      lost=1
      mug_full 575 || fail "the middle mug emptied first"
      echo "   first life lost after $round beers"
    fi
    action_shows pctPause.png || action_shows pctPlay.png || break
  fi
done
[ "$lost" = 1 ] || fail "no life was seen lost"

step "the score enters the empty table; Enter ends the name and the menu comes back"
sleep 2.5
xdotool key Return
sleep 0.5
screenshot
for left in 542 575 608; do mug_empty "$left" || fail "mug at $left is not empty after the game"; done
action_shows pctPause.png && fail "the play/pause button is still there after the game"
expect_picture pctNew.png 578 240
expect_picture pctScores.png 578 274

close_game
echo "1 passed, 0 failed"
