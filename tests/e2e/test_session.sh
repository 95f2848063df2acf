#!/usr/bin/env bash
# One player's whole session in a real window, on a Russian keyboard layout: the saved table on the
# board, a game started by F2 with every control (the keypad's too), the about panel, a game to the
# end with a name typed in Cyrillic letters that comes out in the Latin letters of their keys, the
# sound switched on, the X server going away, the new entry still there at the next start, and Ctrl+Q.
source "$(dirname "$0")/lib.sh" "$@"

# Score board cells, in client pixels: the board lies over the play area from (14, 86); letters
# start 18 pixels in, rows 94 down, cells 22 x 23; the score starts at play-area column 9.
letter_x() { echo $((14 + 18 + 22 * ($1 - 1))); }
row_y() { echo $((86 + 94 + 23 * ($1 - 1))); }
digit_x() { echo $((14 + 306 + 22 * ($1 - 1))); }

board_char_is() { # row, position, picture file
  [ "$(differing_pixels "$ASSETS/$3" "$(letter_x "$2")" "$(row_y "$1")" 21)" = 0 ]
}
letter_file() {
  case $1 in
  [A-Z]) echo "pctAlpha_$(($(printf '%d' "'$1") - 65)).png" ;;
  [0-9]) echo "pctDigit_$1.png" ;;
  *) echo "pctEmptyLetter.png" ;;
  esac
}
expect_board_row() { # row, name, score (seven digits)
  local row=$1 name=$2 score=$3 i ch
  for i in $(seq ${#name}); do
    ch=${name:i-1:1}
    board_char_is "$row" "$i" "$(letter_file "$ch")" || fail "row $row letter $i is not '$ch'"
  done
  for i in $(seq 7); do
    ch=${score:i-1:1}
    [ "$(differing_pixels "$ASSETS/pctDigit_$ch.png" "$(digit_x "$i")" "$(row_y "$row")" 21)" = 0 ] ||
      fail "row $row score digit $i is not $ch"
  done
}
action_shows() { [ "$(differing_pixels "$ASSETS/$1" 578 138)" = 0 ]; }
action_shows_ok() { [ "$(differing_pixels "$ASSETS/pctOk.png" 578 172)" = 0 ]; }
# The Ok button may reach the screen before the rows: the board is all there once its last row's
# last digit (0 in every table here) shows.
board_shown() {
  action_shows_ok && [ "$(differing_pixels "$ASSETS/pctDigit_0.png" "$(digit_x 7)" "$(row_y 10)" 21)" = 0 ]
}
menu_shown() { [ "$(differing_pixels "$ASSETS/pctNew.png" 578 240)" = 0 ]; }
mug_full() { [ "$(differing_pixels "$ASSETS/pctMug.png" "$1" 461)" = 0 ]; }

# The column (0..14) whose rows 0..18 differ most from an empty board: the falling beer (the first
# beer of the game lies in row 19).
falling_column() {
  local best=-1 most=0 c n
  /usr/bin/convert "$ASSETS/frmMain.png" -crop 480x380+18+94 +repage "$WORK/emptyboard.png"
  /usr/bin/convert "$WORK/screen.png" -crop "480x380+$((WIN_X + 18))+$((WIN_Y + 94))" +repage "$WORK/board.png"
  for c in $(seq 0 14); do
    n=$(/usr/bin/compare -metric AE "$WORK/board.png[32x380+$((32 * c))+0]" \
      "$WORK/emptyboard.png[32x380+$((32 * c))+0]" null: 2>&1 | cut -d' ' -f1 || true)
    if [ "${n%.*}" -gt "$most" ]; then
      most=${n%.*}
      best=$c
    fi
  done
  echo "$best"
}

step "1. a hand-written settings file: sound off, three entries"
mkdir -p "$(dirname "$SETTINGS")"
printf '[Settings]\nHighScoreName1=ALICE\nHighScore1=999999\nHighScoreName2=BOB 2\nHighScore2=20\nHighScoreName3=CAROL\nHighScore3=10\nSound=OFF\n' >"$SETTINGS"
start_x
setxkbmap -layout ru || fail "the Russian layout could not be set"
start_game
eval "$(xdotool getwindowgeometry --shell "$WIN")"
[ "$WIDTH" = 687 ] && [ "$HEIGHT" = 510 ] || fail "the window is ${WIDTH}x${HEIGHT}"
[ "$(xdotool getwindowname "$WIN")" = "Frothwick" ] || fail "the caption is $(xdotool getwindowname "$WIN")"
click_at 594 290 # High Scores
eventually 'board_shown' || fail "the board did not open"
expect_board_row 1 ALICE 0999999
expect_board_row 2 "BOB 2" 0000020
expect_board_row 3 CAROL 0000010
expect_board_row 4 "" 0000000
expect_picture pctOk.png 578 172
click_at 594 188 # Ok
eventually 'menu_shown' || fail "the menu did not come back"
! action_shows_ok || fail "Ok is still shown"

# Every check of a running game below first pauses it with the Pause key, so that a busy machine
# that is slow to take screenshots cannot let the game run ahead of what is checked.
step "2. New by F2: zero, three full mugs; a drop scores 5 a row it skips, then 95 as it lands"
xdotool key F2 Pause
eventually 'action_shows pctPlay.png' 10 || fail "F2 and Pause did not give a paused game"
[ "$(read_score)" = 0000000 ] || fail "score $(read_score)"
for left in 542 575 608; do mug_full "$left" || fail "mug at $left"; done
score_now() { echo $((10#$(read_score))); }
# Resumed, dropped and paused again, as a rule before the next step lands it.
xdotool key Pause space Pause
eventually '[ "$(score_now)" != 0 ]' 10 || fail "the drop scored nothing"
eventually 'action_shows pctPlay.png' 10 || fail "the game was not paused again"
score=$(score_now)
if [ "$score" -le 95 ]; then
  [ $((score % 5)) = 0 ] && [ "$score" -ge 80 ] || fail "after the drop from the top the score reads $score"
  # One step lands it; the next beer needs seconds to reach the bottom.
  dropped=$score
  xdotool key Pause sleep 0.5 key Pause
  eventually '[ "$(score_now)" != "$dropped" ]' 10 || fail "the dropped beer did not land"
  eventually 'action_shows pctPlay.png' 10 || fail "the game was not paused again"
  score=$(score_now)
else
  dropped=$((score - 95)) # the machine was slow enough for the step to land it first
fi
[ $((dropped % 5)) = 0 ] && [ "$dropped" -ge 80 ] && [ "$score" = $((dropped + 95)) ] ||
  fail "after landing the score reads $score"

step "2. the keypad's Left and Right (NumLock off) move the falling beer one column; play/pause halts and resumes"
xdotool key Pause
eventually 'action_shows pctPause.png' 10 || fail "the game did not resume"
click_at 594 154 # pause the second beer near the top
eventually 'action_shows pctPlay.png' 10 || fail "the button does not show Play"
c0=$(falling_column)
[ "$c0" -ge 0 ] || fail "no falling beer found"
first=Left
[ "$c0" = 0 ] && first=Right
cp "$WORK/screen.png" "$WORK/paused.png"
sleep 0.8
screenshot
/usr/bin/compare -metric AE "$WORK/paused.png" "$WORK/screen.png" null: 2>/dev/null || fail "the fall went on while paused"
# Resume and move; the next step draws the moved beer, which is seconds from landing.
if [ "$first" = Left ]; then want=$((c0 - 1)); else want=$((c0 + 1)); fi
xdotool key Pause "KP_$first"
eventually '[ "$(falling_column)" = "$want" ]' 10 || fail "after $first the beer is in column $(falling_column), not $want"
xdotool key Pause
eventually 'action_shows pctPlay.png' 10 || fail "the game was not paused again"
click_at 594 154
eventually 'action_shows pctPause.png' || fail "no Pause after resuming"

step "3. the about panel over the board during the game"
click_at 594 324
eventually '[ "$(differing_pixels "$ASSETS/pctAboutText1.png" 104 228)" = 0 ]' || fail "the about panel did not open"
! menu_shown || fail "the menu is still shown"
click_at $((241 + 16)) $((290 + 16)) # the close mark
eventually 'menu_shown' || fail "the menu did not come back"
[ "$(differing_pixels "$ASSETS/pctAboutText1.png" 104 228)" != 0 ] || fail "the about title is still shown"
action_shows pctPause.png || fail "the game goes on, but the button does not show Pause"

step "4. a whole game to the end by stacking one column, then a name with a keypad digit"
lost=0
for round in $(seq 600); do
  # The keypad's Down (NumLock off) drops like Space but types nothing into a name, so late keys
  # cannot spoil the name.
  xdotool key --delay 2 Left Left Left Left Left Left Left Left Left Left Left Left Left Left KP_Down
  sleep 0.12
  if [ $((round % 10)) = 0 ]; then
    screenshot
    [ "$(differing_pixels "$ASSETS/pctScores.png" 578 274)" = 0 ] || break
    if [ "$lost" = 0 ] && [ "$(differing_pixels "$ASSETS/pctEmptyMug.png" 608 461)" = 0 ]; then
      lost=1
      mug_full 575 || fail "a mug other than the right-most emptied first"
    fi
  fi
done
[ "$lost" = 1 ] || fail "no life was seen lost one at a time"
eventually 'action_shows_ok' || fail "the board did not open for a name"
board_char_is 2 1 pctCursor.png || fail "the cursor is not on row 2"
# Keys are not typed in the first two seconds after the last life: the key A of a Russian keyboard
# is pressed until it shows. Then C and E; xdotool turns NumLock on to press the keypad's 7, which
# then types a digit; the keypad's Enter ends the name like Return.
for _ in $(seq 20); do
  xdotool key Cyrillic_ef
  eventually 'board_char_is 2 1 pctAlpha_0.png' 1 && break
done
board_char_is 2 1 pctAlpha_0.png || fail "typing never started"
xdotool key --delay 30 Cyrillic_es Cyrillic_u space KP_7 KP_Enter
eventually 'menu_shown' || fail "the menu did not come back"
eventually '! action_shows pctPause.png' || fail "play/pause still shown"

step "5. sound on; the X server goes away: the game ends with one line, and the name is kept"
click_at 594 418
# The switch is saved as the button changes, before the screen shows it.
eventually '[ "$(differing_pixels "$ASSETS/pctSoundOn.png" 578 402)" = 0 ]' || fail "sound did not come on"
kill "$XVFB_PID"
wait "$XVFB_PID" || true
status=0
timeout 20 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end with its display"
wait "$GAME_PID" || status=$?
GAME_PID=""
[ "$status" = 1 ] || fail "the game ended with status $status"
[ "$(wc -l <"$WORK/game.out")" = 1 ] || fail "standard error: $(cat "$WORK/game.out")"
[ "$(setting Sound)" = ON ] || fail "Sound is $(setting Sound)"
[ "$(setting HighScoreName2)" = "ACE 7" ] || fail "name 2 is '$(setting HighScoreName2)'"
final=$(setting HighScore2)
[ "$final" -gt 20 ] || fail "score 2 is $final"
[ "$(setting HighScoreName3)" = "BOB 2" ] || fail "BOB 2 did not move down"

step "5. the next start shows the new entry"
start_x
start_game
screenshot
expect_picture pctSoundOn.png 578 402
click_at 594 290
eventually 'board_shown' || fail "the board did not open"
expect_board_row 2 "ACE 7" "$(printf '%07d' "$final")"
click_at 594 188 # Ok
step "6. Ctrl+Q ends the game"
xdotool key ctrl+q
wait_game_exit
echo "1 passed, 0 failed"
