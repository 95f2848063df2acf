#!/usr/bin/env bash
# A just-started game in a real window: the frame-less window, the menu, score, mugs and banner in
# their places; closing the terminal it was started from (SIGHUP) ends it as closing its window does,
# writing every setting and keeping a hand-edited file's values and lines.
source "$(dirname "$0")/lib.sh" "$@"

step "a hand-edited settings file"
mkdir -p "$(dirname "$SETTINGS")"
cat >"$SETTINGS" <<'INI'
; edited by hand
[Settings]
HighScoreName1=LOW SCORE FIRST
HighScore1=10
HighScoreName2="A NAME LONGER THAN TEN"
HighScore2=99999
garbage line without equals
Sound=OFF
[Mine]
Keep=this
INI

step "start"
start_x
start_game
eval "$(xdotool getwindowgeometry --shell "$WIN")"
[ "$WIDTH" = 687 ] && [ "$HEIGHT" = 510 ] || fail "the window is ${WIDTH}x${HEIGHT}"
[ "$(xdotool getwindowname "$WIN")" = "Frothwick" ] || fail "caption"

step "the screen of a just-started game"
screenshot
expect_picture pctNew.png 578 240
expect_picture pctScores.png 578 274
expect_picture pctAbout.png 578 308
expect_picture pctQuit.png 578 342
expect_picture pctSoundOff.png 578 402
expect_picture imgAd_0.png 20 18
expect_picture pctMinimizeIcon.png 634 10
expect_picture pctExitIcon.png 656 10
for left in 542 575 608; do expect_picture pctMug.png "$left" 461; done
[ "$(read_score)" = 0000000 ] || fail "the score reads $(read_score)"
[ "$(differing_pixels "$ASSETS/pctPause.png" 578 138)" != 0 ] || fail "the play/pause button shows before a game"
[ "$(differing_pixels "$ASSETS/pctOk.png" 578 172)" != 0 ] || fail "Ok shows before the score board"
expect_picture pctEmptyBeer.png 18 94
expect_picture pctEmptyBeer.png 466 474

step "the terminal it was started from closes (SIGHUP)"
kill -HUP "$GAME_PID"
wait_game_exit
for i in $(seq 10); do
  grep -q "^HighScoreName$i=" "$SETTINGS" || fail "HighScoreName$i missing"
  grep -q "^HighScore$i=" "$SETTINGS" || fail "HighScore$i missing"
done
[ "$(setting HighScoreName1)" = "LOW SCORE FIRST" ] || fail "name 1: $(setting HighScoreName1)"
[ "$(setting HighScore1)" = 10 ] || fail "score 1"
[ "$(setting HighScoreName2)" = "A NAME LONGER THAN TEN" ] || fail "name 2"
[ "$(setting HighScore2)" = 99999 ] || fail "score 2"
[ "$(setting Sound)" = OFF ] || fail "sound"
grep -q "^Keep=this" "$SETTINGS" || fail "another section was lost"
grep -q "^; edited by hand" "$SETTINGS" || fail "a comment was lost"
echo "1 passed, 0 failed"
