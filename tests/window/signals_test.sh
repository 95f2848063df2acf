#!/usr/bin/env bash
# Every signal that ends the game, in every state the game can be in: it ends within a second with the
# status the README gives, the store holding what was confirmed, and no process or window of the game
# left behind. Then a lock another program keeps, the X server lost during a name, and a long path.
source "$(dirname "$0")/lib.sh" "$@"
GAME=$(readlink -f "$GAME")
KNOWN=$WORK/known.ini LOCK=$(dirname "$SETTINGS")/.settings.ini.frothwick-lock TABLE=$WORK/table LOCKER=""
printf '[Settings]\nHighScoreName1=ALICE\nHighScore1=999999\nSound=OFF\n' >"$KNOWN"
fresh_store() { rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$(dirname "$SETTINGS")" && cp "$KNOWN" "$SETTINGS"; }
# The game's message boxes: its windows without a class (xdotool cannot search SDL's UTF-8 title).
boxes() { xwininfo -root -tree | grep -F '"Frothwick": ()' || true; }
box_up() { within '[ -n "$(boxes)" ]' 15 || fail "no message box appeared: $(cat "$WORK/game.out")"; }
launch() { env --default-signal "$@" >"$WORK/game.out" 2>&1 & GAME_PID=$!; }
# Another program keeps the store's lock (for 300 s unless released), its output away from the test's.
hold_lock() { flock "$LOCK" sleep 300 </dev/null >/dev/null 2>&1 & LOCKER=$! && within '! flock -n "$LOCK" true'; }
release_lock() { kill "$(cat "/proc/$LOCKER/task/$LOCKER/children")" "$LOCKER" && wait "$LOCKER" 2>/dev/null; LOCKER=""; }
trap '[ -z "$LOCKER" ] || release_lock; end_x_session' EXIT
# Plays by stacking one column until the board opens for a name after the last life.
play_to_the_end() {
  xdotool key F2
  for round in $(seq 400); do
    xdotool key --delay 2 Left Left Left Left Left Left Left Left Left Left Left Left Left Left KP_Down
    if [ $((round % 5)) = 0 ] && eventually 'shows pctOk.png 578 172' 0; then return 0; fi
    sleep 0.1
  done
  fail "the game did not end"
}
# Sends a signal and times the game's end; checks its status, and that its processes (a message box's
# too) and its windows are gone.
end_by() { # signal, state, status
  local children t0 t1 status=0
  children=$(cat "/proc/$GAME_PID/task/$GAME_PID/children" 2>/dev/null || true)
  t0=$(date +%s%N)
  kill "-$1" "$GAME_PID"
  for _ in $(seq 500); do kill -0 "$GAME_PID" 2>/dev/null && sleep 0.01 || break; done
  t1=$(date +%s%N)
  kill -0 "$GAME_PID" 2>/dev/null && fail "$2, SIG$1: the game still runs 5 s later"
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  printf '%-28s SIG%-5s %5d ms  status %s\n' "$2" "$1" $(((t1 - t0) / 1000000)) "$status" >>"$TABLE"
  [ "$status" = "$3" ] || fail "$2, SIG$1: status $status, not $3: $(cat "$WORK/game.out")"
  [ $((t1 - t0)) -lt 1000000000 ] || fail "$2, SIG$1: it took more than a second to end"
  for child in $children; do ! kill -0 "$child" 2>/dev/null || fail "$2, SIG$1: process $child is left"; done
  within '[ -z "$(boxes)" ]' 1 || fail "$2, SIG$1: a message box is left: $(boxes)"
}
expect_known() { cmp -s "$SETTINGS" "$KNOWN" || fail "$1: the store changed though nothing was confirmed: $(cat "$SETTINGS")"; }
expect_kept() {
  [ "$(setting HighScoreName1)/$(setting HighScore1)" = ALICE/999999 ] || fail "$1: the table is lost: $(cat "$SETTINGS")"
}
start_x
mkdir "$WORK/install" && cp "$GAME" "$WORK/install/frothwick" && cp -r "$ASSETS" "$WORK/install/assets"
truncate -s $(($(stat -c %s "$ASSETS/frmMain.png") / 2)) "$WORK/install/assets/frmMain.png"
for signal in ${SIGNALS:-TERM INT HUP}; do
  step "SIG$signal in every state"
  for state in idle playing paused; do
    fresh_store && start_game
    [ "$state" = idle ] || { xdotool key F2 && eventually 'action_shows pctPause.png' 10 || fail "F2 started no game"; }
    [ "$state" != paused ] || { xdotool key Pause && eventually 'action_shows pctPlay.png' 10 || fail "no pause"; }
    end_by "$signal" "$state" 0
    expect_kept "$state"
  done
  fresh_store && hold_lock && start_game
  click_at 594 418 # Sound: its save waits for the lock
  sleep 0.5
  end_by "$signal" "a save waiting for a lock" 1
  release_lock && expect_known "a save waiting for a lock"
  # The store's folder named at length, so that the box must break its lines to fit the screen.
  XDG_CONFIG_HOME=$WORK/config/a-folder-named-at-some-length/and-another-inside-it-for-good-measure
  SETTINGS=$XDG_CONFIG_HOME/Frothwick/settings.ini && rm -rf "$XDG_CONFIG_HOME" && mkdir -p "$SETTINGS"
  launch "$GAME" && box_up
  read -r width x < <(boxes | awk '{split($4, size, "x"); split(size[2], at, "+"); print size[1], at[2]}')
  [ "$width" -le 1024 ] && [ "$x" -ge 0 ] && [ $((x + width)) -le 1024 ] || fail "the box is $width wide at $x: $(boxes)"
  end_by "$signal" "box: store unreadable" 1
  XDG_CONFIG_HOME=$WORK/config SETTINGS=$WORK/config/Frothwick/settings.ini
  fresh_store && chmod a-w "$SETTINGS" && start_game
  click_at 594 418 && box_up
  end_by "$signal" "box: a failed save" 1
  expect_known "a failed save"
  launch "$WORK/install/frothwick" && box_up
  end_by "$signal" "box: a damaged picture" 1
  rm -rf "$XDG_CONFIG_HOME" && start_game && play_to_the_end
  end_by "$signal" "the wait after the last life" 0
  [ "$(setting HighScoreName1)" = "" ] && [ "$(setting HighScore1)" -gt 0 ] || fail "the last game's score is not saved: $(cat "$SETTINGS")"
done
cat "$TABLE" 2>/dev/null || true # state, signal, from the signal to the game's end, status

step "a lock kept for long: the save fails after two seconds, the window painted meanwhile; the next one saves"
fresh_store && hold_lock && start_game
click_at 594 290 && eventually 'shows pctOk.png 578 172' || fail "the board did not open"
t0=$(date +%s%N) && click_at 594 222 # Clear
xmessage -geometry "300x300+$((WIN_X + 450))+$((WIN_Y + 100))" cover &
sleep 0.5 && kill $! && sleep 0.3 && screenshot
[ -z "$(boxes)" ] && shows pctOk.png 578 172 || fail "the window was not painted again while the save waited"
box_up
t1=$(date +%s%N) && echo "the save failed after $(((t1 - t0) / 1000000)) ms"
[ $((t1 - t0)) -gt 1500000000 ] && [ $((t1 - t0)) -lt 4000000000 ] || fail "the save gave up after $(((t1 - t0) / 1000000)) ms"
grep -q "cannot lock it" "$WORK/game.out" || fail "standard error does not say why: $(cat "$WORK/game.out")"
xdotool windowfocus --sync "$(boxes | awk '{print $1}')" key Return
within '[ -z "$(boxes)" ]' || fail "the box did not go"
release_lock && expect_known "the lock kept"
click_at 594 188 && eventually menu_shown || fail "Ok did not close the board"
click_at 594 418 # Sound: a save of its own, which brings the Clear with it
within '[ "$(setting Sound)" = ON ]' || fail "the save after the lock was released did not come: $(cat "$SETTINGS")"
[ "$(setting HighScoreName1)/$(setting HighScore1)" = /0 ] || fail "the Clear was not saved: $(cat "$SETTINGS")"
close_game

step "the X server lost during a name: the name typed so far is saved with the score"
rm -rf "$XDG_CONFIG_HOME" && start_game && play_to_the_end
within 'xdotool key a; eventually "shows pctAlpha_0.png 32 180 21" 1' 20 || fail "typing never started"
xdotool key --delay 30 b c && eventually 'shows pctAlpha_2.png 76 180 21' || fail "B and C were not typed"
kill "$XVFB_PID" && wait "$XVFB_PID" || true
wait_game_exit 1
[ "$(setting HighScoreName1)" = ABC ] && [ "$(setting HighScore1)" -gt 0 ] || fail "the entry is not saved: $(cat "$SETTINGS")"
echo "1 passed, 0 failed"
