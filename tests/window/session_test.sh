#!/usr/bin/env bash
# One player's session in a real window on a Russian layout: the saved table on the board, a game by
# F2 and Pause played to its end, a name typed in Cyrillic that comes out in the Latin letters of its
# keys, the sound on, and the X server going away: the game ends with one line, and all is saved.
source "$(dirname "$0")/lib.sh" "$@"

# A board row's letter or score digit (both 1-based): cells of 22 x 23 from (32, 180), scores 288 right.
cell_shows() { # picture, row, position [, 288 for a score digit]
  shows "$1" $((32 + 22 * ($3 - 1) + ${4:-0})) $((180 + 23 * ($2 - 1))) 21
}
expect_board_row() { # row, name (capitals, digits and spaces), score (seven digits)
  local part text i ch picture
  for part in "0 $2" "288 $3"; do
    text=${part#* }
    for i in $(seq ${#text}); do
      ch=${text:i-1:1}
      case $ch in [A-Z]) picture=pctAlpha_$(($(printf '%d' "'$ch") - 65)).png ;; [0-9]) picture=pctDigit_$ch.png ;; *) picture=pctEmptyLetter.png ;; esac
      cell_shows "$picture" "$1" "$i" "${part%% *}" || fail "row $1: '$ch' is not shown in cell $i of '$text'"
    done
  done
}
step "a hand-written settings file: sound off, two entries, shown on the board"
mkdir -p "$(dirname "$SETTINGS")" && printf '[Settings]\nHighScoreName1=ALICE\nHighScore1=999999\nHighScoreName2=BOB 2\nHighScore2=20\nSound=OFF\n' >"$SETTINGS"
start_x
setxkbmap -layout ru || fail "the Russian layout could not be set"
start_game
click_at 594 290 # High Scores; the board is all there once the last row's last digit shows
eventually 'shows pctOk.png 578 172 && cell_shows pctDigit_0.png 10 7 288' || fail "the board did not open"
expect_board_row 1 ALICE 0999999
expect_board_row 2 "BOB 2" 0000020
click_at 594 188 # Ok
eventually menu_shown || fail "the menu did not come back"
step "F2 starts a game and Pause pauses and resumes it; the game played to its end by stacking one column"
xdotool key F2 Pause
eventually 'action_shows pctPlay.png' 10 || fail "F2 and Pause did not give a paused game"
xdotool key Pause
eventually 'action_shows pctPause.png' 10 || fail "Pause did not resume the game"
# The keypad's Down (NumLock off) drops like Space but types nothing, so late keys cannot spoil the name.
for round in $(seq 600); do
  xdotool key --delay 2 Left Left Left Left Left Left Left Left Left Left Left Left Left Left KP_Down
  sleep 0.12
  [ $((round % 10)) != 0 ] || eventually 'shows pctScores.png 578 274' 0 || break
done
eventually 'shows pctOk.png 578 172 && cell_shows pctCursor.png 2 1' || fail "the board did not open for a name on row 2"
step "a name typed on the Russian layout, with a keypad digit"
# No key is typed for two seconds after the last life: the A key (Cyrillic ef) is pressed until it shows.
# xdotool turns NumLock on to press the keypad's 7, a digit then; the keypad's Enter ends the name.
within 'xdotool key Cyrillic_ef; eventually "cell_shows pctAlpha_0.png 2 1" 1' 20 || fail "typing never started"
xdotool key --delay 30 Cyrillic_es Cyrillic_u space KP_7 KP_Enter
eventually menu_shown || fail "the menu did not come back"
step "sound on; the X server goes away: the game ends with one line, and everything is saved"
click_at 594 418
eventually 'shows pctSoundOn.png 578 402' || fail "sound did not come on"
kill "$XVFB_PID" && wait "$XVFB_PID" || true
wait_game_exit 1
[ "$(wc -l <"$WORK/game.out")" = 1 ] || fail "standard error: $(cat "$WORK/game.out")"
[ "$(setting Sound)" = ON ] || fail "Sound is $(setting Sound)"
[ "$(setting HighScoreName2)" = "ACE 7" ] && [ "$(setting HighScore2)" -gt 20 ] ||
  fail "entry 2 is '$(setting HighScoreName2)' with $(setting HighScore2)"
[ "$(setting HighScoreName3)" = "BOB 2" ] || fail "BOB 2 did not move down"
echo "1 passed, 0 failed"
