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
click_at 594 290 # High Scores
sleep 0.4
screenshot
expect_board_row 1 ALICE 0999999
expect_board_row 2 "BOB 2" 0000020
expect_board_row 3 CAROL 0000010
expect_board_row 4 "" 0000000
expect_picture pctOk.png 578 172
click_at 594 188 # Ok
sleep 0.4
screenshot
expect_picture pctNew.png 578 240
[ "$(differing_pixels "$ASSETS/pctOk.png" 578 172)" != 0 ] || fail "Ok is still shown"

step "2. New by F2: zero, three full mugs; a drop scores 90 then 185"
xdotool key F2
sleep 0.3
screenshot
[ "$(read_score)" = 0000000 ] || fail "score $(read_score)"
for left in 542 575 608; do mug_full "$left" || fail "mug at $left"; done
xdotool key space
sleep 0.05
screenshot
score=$(read_score)
[ "$score" = 0000090 ] || [ "$score" = 0000185 ] || fail "after the drop the score reads $score"
sleep 0.6
screenshot
[ "$(read_score)" = 0000185 ] || fail "after landing the score reads $(read_score)"

step "2. the keypad's Left and Right (NumLock off) move the falling beer one column; play/pause halts and resumes"
click_at 594 154 # pause the second beer near the top
sleep 0.2
screenshot
action_shows pctPlay.png || fail "the button does not show Play"
c0=$(falling_column)
[ "$c0" -ge 0 ] || fail "no falling beer found"
first=Left
[ "$c0" = 0 ] && first=Right
cp "$WORK/screen.png" "$WORK/paused.png"
sleep 0.8
screenshot
/usr/bin/compare -metric AE "$WORK/paused.png" "$WORK/screen.png" null: 2>/dev/null || fail "the fall went on while paused"
# Resume, move and pause again in one xdotool run, so a busy machine cannot stretch the gaps.
xdotool mousemove --sync $((WIN_X + 594)) $((WIN_Y + 154)) click 1 sleep 0.15 key "KP_$first" sleep 0.25 click 1
sleep 0.2
screenshot
c1=$(falling_column)
if [ "$first" = Left ]; then want=$((c0 - 1)); else want=$((c0 + 1)); fi
[ "$c1" = "$want" ] || fail "after $first the beer is in column $c1, not $want"
click_at 594 154
action_shows pctPause.png || { screenshot; action_shows pctPause.png; } || fail "no Pause after resuming"

step "3. the about panel over the board during the game"
click_at 594 324
sleep 0.4
screenshot
expect_picture pctAboutText1.png 104 228
[ "$(differing_pixels "$ASSETS/pctNew.png" 578 240)" != 0 ] || fail "the menu is still shown"
click_at $((241 + 16)) $((290 + 16)) # the close mark
sleep 0.4
screenshot
expect_picture pctNew.png 578 240
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
sleep 0.5
screenshot
expect_picture pctOk.png 578 172
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
eventually '[ "$(differing_pixels "$ASSETS/pctNew.png" 578 240)" = 0 ]' || fail "the menu did not come back"
eventually '[ "$(differing_pixels "$ASSETS/pctPause.png" 578 138)" != 0 ]' || fail "play/pause still shown"

step "5. sound on; the X server goes away: the game ends with one line, and the name is kept"
click_at 594 418
sleep 0.2
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
eventually '[ "$(differing_pixels "$ASSETS/pctOk.png" 578 172)" = 0 ]' || fail "the board did not open"
expect_board_row 2 "ACE 7" "$(printf '%07d' "$final")"
click_at 594 188 # Ok
step "6. Ctrl+Q ends the game"
xdotool key ctrl+q
wait_game_exit
echo "1 passed, 0 failed"
