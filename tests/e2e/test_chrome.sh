#!/usr/bin/env bash
# The window's own furniture in a real window, with real pointer input: dragging the frame-less
# window by its board (but not by a button) with either button and by relative and absolute pointer
# motion, a game going on while the button is held, the hand over buttons, a tool tip, the banner
# and the about panel's link handing their pages to the desktop; then a window manager that starts
# after the game: the window stays frame-less, the manager moves it, and minimise and restore leave
# it frame-less and named, and a game paused through both as it was; the Exit button ends with every
# setting saved.
# KEEP_MINIMISE_PAIR=<folder> keeps the screenshots before and after a window-manager minimise.
source "$(dirname "$0")/lib.sh" "$@"

OPENBOX_PID=""
trap '[ -n "$OPENBOX_PID" ] && kill "$OPENBOX_PID" 2>/dev/null; end_x_session' EXIT

# The game opens web pages through xdg-open; this one only writes down what it was asked to open.
OPENED=$WORK/opened
mkdir -p "$WORK/bin"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$OPENED" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"

# Reads the pointer's shape (width, height, hot spot) so the hand can be told from the arrow.
cc -O1 -o "$WORK/pointer_shape" "$(dirname "$0")/pointer_shape.c" -lXfixes -lX11 ||
  fail "the pointer-shape reader does not build (it needs libxfixes-dev)"
HAND_SHAPE="32 32 12 1"

# Moves the pointer to a client pixel; xdotool's --sync would wait long for a move that is not
# needed, as after a drag, when the pointer is still on the same client pixel.
pointer_to() {
  local X Y
  eval "$(xdotool getmouselocation --shell)"
  [ "$X $Y" = "$((WIN_X + $1)) $((WIN_Y + $2))" ] || xdotool mousemove --sync $((WIN_X + $1)) $((WIN_Y + $2))
}

window_position() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  echo "$X $Y"
}

# Waits up to two seconds for the window's top-left corner to be at the given place.
window_reaches() {
  local i
  for i in $(seq 40); do
    [ "$(window_position)" = "$1 $2" ] && return 0
    sleep 0.05
  done
  return 1
}

# Presses a button on a client pixel, moves the pointer in two steps with the button held, by
# relative or by absolute motion, and releases; afterwards the window must be where the pointer's
# movement says (or where it was, when it should not move).
drag_from() {
  local x=$1 y=$2 dx=$3 dy=$4 follows=$5 button=${6:-1} motion=${7:-relative}
  local wx wy px0 py0 px1 py1
  read -r wx wy < <(window_position)
  [ "$wx $wy" = "$WIN_X $WIN_Y" ] || fail "the window is at ($wx, $wy), not ($WIN_X, $WIN_Y)"
  pointer_to "$x" "$y"
  sleep 0.2
  eval "$(xdotool getmouselocation --shell)"
  px0=$X py0=$Y
  xdotool mousedown "$button"
  sleep 0.2
  # Two steps, as a hand would: the first one starts the drag, the second must still be followed.
  for part in $((dx / 2)),$((dy / 2)) $dx,$dy; do
    if [ "$motion" = relative ]; then
      eval "$(xdotool getmouselocation --shell)"
      xdotool mousemove_relative --sync -- $((px0 + ${part%,*} - X)) $((py0 + ${part#*,} - Y))
    else
      xdotool mousemove --sync $((px0 + ${part%,*})) $((py0 + ${part#*,}))
    fi || fail "xdotool could not move the pointer"
    sleep 0.2
  done
  eval "$(xdotool getmouselocation --shell)"
  px1=$X py1=$Y
  [ "$((px1 - px0)) $((py1 - py0))" = "$dx $dy" ] || fail "the pointer moved by ($((px1 - px0)), $((py1 - py0)))"
  if [ "$follows" = yes ]; then
    window_reaches $((wx + dx)) $((wy + dy)) ||
      fail "while button $button is held, the window is at ($(window_position)) after $motion motion by ($dx, $dy) from ($wx, $wy)"
  else
    sleep 0.5
    [ "$(window_position)" = "$wx $wy" ] || fail "pressing at ($x, $y) moved the window to ($(window_position))"
  fi
  xdotool mouseup "$button"
  sleep 0.3
  read -r WIN_X WIN_Y < <(window_position)
  if [ "$follows" = yes ]; then
    [ "$WIN_X $WIN_Y" = "$((wx + dx)) $((wy + dy))" ] || fail "after release the window is at ($WIN_X, $WIN_Y)"
  else
    [ "$WIN_X $WIN_Y" = "$wx $wy" ] || fail "after release the window is at ($WIN_X, $WIN_Y)"
  fi
}

# Drags by the board with either button, by relative and by absolute pointer motion.
drags_by_the_board() {
  drag_from 250 300 60 40 yes 1 relative
  drag_from 250 300 -35 25 yes 3 absolute
  drag_from 250 300 30 -45 yes 1 absolute
  drag_from 250 300 -40 -20 yes 3 relative
}

# Waits up to five seconds for the page to have been handed to the desktop.
expect_opened() {
  local i
  for i in $(seq 50); do
    grep -qxF "$1" "$OPENED" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "$1 was not opened; opened: $(cat "$OPENED" 2>/dev/null)"
}

# Presses About (keeping the pointer on it, so the press is a click and no drag), checks the panel,
# its link, and closes it with the close mark.
about_panel_round() {
  drag_from 594 324 10 8 no
  eventually '[ "$(differing_pixels "$ASSETS/pctAboutText1.png" 104 228)" = 0 ]' || fail "the about panel did not open"
  expect_picture pctAboutText2.png 79 258
  expect_picture pctAboutText3.png 241 290
  : >"$OPENED"
  click_at 256 274
  expect_opened https://tallowmere-games.example/
  click_at 257 306
  eventually '[ "$(differing_pixels "$ASSETS/pctAboutText3.png" 241 290)" != 0 ]' || fail "the close mark did not close the panel"
  expect_picture pctNew.png 578 240
  expect_picture pctAbout.png 578 308
}

start_x
start_game

step "the hand over a button, the plain pointer over the board"
pointer_to 594 256
within '[ "$("$WORK/pointer_shape")" = "$HAND_SHAPE" ]' || fail "over New the pointer is $("$WORK/pointer_shape")"
pointer_to 250 300
within '[ "$("$WORK/pointer_shape")" != "$HAND_SHAPE" ]' || fail "the hand shows over the board"

step "a tool tip below and right of the pointer resting on New"
pointer_to 250 300
sleep 0.8
screenshot
cp "$WORK/screen.png" "$WORK/before_tip.png"
pointer_to 594 256
# The tip's box starts 2 pixels right of and 22 below the pointer's tip; look well inside it.
tip_crop="60x14+$((WIN_X + 598))+$((WIN_Y + 280))"
/usr/bin/convert "$WORK/before_tip.png" -crop "$tip_crop" +repage "PNG24:$WORK/tip_before.png"
tip_shown() {
  /usr/bin/convert "$WORK/screen.png" -crop "$tip_crop" +repage "PNG24:$WORK/tip_after.png"
  changed=$(/usr/bin/compare -metric AE "$WORK/tip_before.png" "$WORK/tip_after.png" null: 2>&1 | cut -d' ' -f1 || true)
  [ "$changed" -gt 400 ] 2>/dev/null
}
eventually tip_shown || fail "only $changed of 840 pixels changed where the tip belongs"
read -r r g b < <(/usr/bin/convert "$WORK/tip_after.png" -format %c histogram:info:- | sort -rn | head -1 |
  sed -E 's/^[^(]*\(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/')
[ "$r" -ge 230 ] && [ "$g" -ge 230 ] && [ "$b" -le $((r - 15)) ] && [ "$b" -ge 150 ] ||
  fail "the tip's main colour is ($r, $g, $b), not a pale yellow"

step "without a window manager: dragging by the board moves the window with the pointer"
drags_by_the_board

step "without a window manager: a game goes on while the button is held on the board"
click_at 594 256 # New
pointer_to 250 300
xdotool mousedown 1
screenshot
board_crop="480x400+$((WIN_X + 18))+$((WIN_Y + 94))"
/usr/bin/convert "$WORK/screen.png" -crop "$board_crop" +repage "PNG24:$WORK/held.png"
board_changed() {
  /usr/bin/convert "$WORK/screen.png" -crop "$board_crop" +repage "PNG24:$WORK/board_now.png"
  [ "$(/usr/bin/compare -metric AE "$WORK/held.png" "$WORK/board_now.png" null: 2>&1 | cut -d' ' -f1)" != 0 ]
}
eventually board_changed || fail "the game stood still while the button was held"
xdotool mouseup 1
click_at 594 154 # pause

step "without a window manager: pressing on About opens the panel and does not move the window"
about_panel_round

step "the banner opens the advertised game's page"
: >"$OPENED"
click_at 250 48
expect_opened https://tallowmere-games.example/zelvatrix/

# A window manager that starts while the game runs, as when a session's manager restarts.
step "a window manager starts after the game"
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
OPENBOX_PID=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" || fail "openbox did not start: $(cat "$WORK/openbox.log")"
# The frame checks below must be able to see a frame: an ordinary window gets one.
xmessage -name framed hi &
framed_pid=$!
framed=$(timeout 10 xdotool search --sync --classname '^framed$' | head -1) || fail "xmessage did not appear"
within 'xprop -id "$framed" _NET_FRAME_EXTENTS | grep -qE "= .*[1-9]"' || fail "an ordinary window has no frame extents"
xwininfo -id "$framed" | grep -qE 'Relative upper-left Y: +0$' && fail "an ordinary window sits at its frame's top"
kill "$framed_pid"
wait "$framed_pid" 2>/dev/null || true

frameless() {
  xprop -id "$WIN" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' || return 1
  [ "$(xwininfo -id "$WIN" | grep -cE 'Relative upper-left [XY]: +0$')" = 2 ]
}
step "under openbox started late: the game is frame-less"
frameless || fail "openbox framed the game: $(xprop -id "$WIN" _NET_FRAME_EXTENTS)"
read -r WIN_X WIN_Y < <(window_position)

step "under openbox: dragging by the board moves the window with the pointer"
drags_by_the_board

step "under openbox: the manager moves the window, so it stops at the screen's edge"
pointer_to 250 300
xdotool mousedown 1 sleep 0.2 mousemove_relative --sync -- $((5 - WIN_X)) 0 sleep 0.2 mousemove_relative --sync -- -10 0
sleep 0.3
read -r x _ < <(window_position)
xdotool mouseup 1
[ "$x" = 0 ] || fail "the window went past the edge to x = $x"
sleep 0.3
read -r WIN_X WIN_Y < <(window_position)

step "under openbox: pressing on About opens the panel and does not move the window"
about_panel_round

# Minimises the window through the window manager, as a task bar does, and restores it.
minimise_and_restore() {
  xdotool windowminimize "$WIN"
  within 'xprop -id "$WIN" WM_STATE | grep -q Iconic' || true
  xprop -id "$WIN" WM_STATE | grep -q Iconic || fail "the window manager did not minimise the window"
  sleep 1
  xdotool windowactivate "$WIN" 2>/dev/null || true
  within 'xprop -id "$WIN" WM_STATE | grep -q Normal' || true
  xprop -id "$WIN" WM_STATE | grep -q Normal || fail "the window was not restored"
  read -r WIN_X WIN_Y < <(window_position)
}
window_shot() { /usr/bin/convert "$WORK/screen.png" -crop "687x510+$WIN_X+$WIN_Y" +repage "PNG24:$1"; }
same_window_as() {
  window_shot "$WORK/now.png"
  [ "$(/usr/bin/compare -metric AE "$1" "$WORK/now.png" null: 2>&1 | cut -d' ' -f1 || true)" = 0 ]
}

step "under openbox: a game paused by P looks exactly the same after a minimise and restore"
click_at 594 256 # New
sleep 0.6
xdotool key space
sleep 0.5
pointer_to 250 300 # on the board, where no tool tip shows
xdotool key p
eventually '[ "$(differing_pixels "$ASSETS/pctPlay.png" 578 138)" = 0 ]' || fail "P did not pause the game"
window_shot "$WORK/minimise_before.png"
minimise_and_restore
eventually 'same_window_as "$WORK/minimise_before.png"' || fail "restored, the window differs from before"
cp "$WORK/now.png" "$WORK/minimise_after.png"
[ -n "${KEEP_MINIMISE_PAIR:-}" ] && cp "$WORK/minimise_before.png" "$WORK/minimise_after.png" "$KEEP_MINIMISE_PAIR"

step "under openbox: a game running when the window manager minimises it is paused on restore"
xdotool key Escape
eventually '[ "$(differing_pixels "$ASSETS/pctPause.png" 578 138)" = 0 ]' || fail "Escape did not resume the game"
minimise_and_restore
eventually '[ "$(differing_pixels "$ASSETS/pctPlay.png" 578 138)" = 0 ]' || fail "the restored game is not paused"
window_shot "$WORK/paused.png"
sleep 0.5
screenshot
same_window_as "$WORK/paused.png" || fail "the restored game moves on"

step "under openbox: the minimise icon iconifies the window, and the paused game stays paused"
click_at 644 20
within 'xprop -id "$WIN" WM_STATE | grep -q Iconic' || true
xprop -id "$WIN" WM_STATE | grep -q Iconic || fail "the window is not iconic: $(xprop -id "$WIN" WM_STATE)"
[ -z "$(xdotool search --onlyvisible --name '^Frothwick$' || true)" ] || fail "the window is still visible"

step "under openbox: restored, the window is frame-less and named Frothwick"
xdotool windowactivate "$WIN" 2>/dev/null || true
within 'xprop -id "$WIN" WM_STATE | grep -q Normal' || true
xprop -id "$WIN" WM_STATE | grep -q Normal || fail "the window was not restored: $(xprop -id "$WIN" WM_STATE)"
sleep 0.5
frameless || fail "after restoring, openbox framed the game: $(xprop -id "$WIN" _NET_FRAME_EXTENTS)"
[ "$(xdotool getwindowname "$WIN")" = Frothwick ] || fail "the window is named '$(xdotool getwindowname "$WIN")'"
xprop -id "$WIN" _NET_WM_NAME | grep -qF '= "Frothwick"' || fail "$(xprop -id "$WIN" _NET_WM_NAME)"
read -r WIN_X WIN_Y < <(window_position)
eventually '[ "$(differing_pixels "$ASSETS/pctNew.png" 578 240)" = 0 ]' || fail "the restored window shows no New button"
expect_picture pctMinimizeIcon.png 634 10
expect_picture pctPlay.png 578 138

step "the Exit button ends the game and saves every setting"
click_at 594 358
wait_game_exit
for i in $(seq 10); do
  grep -q "^HighScoreName$i=" "$SETTINGS" || fail "HighScoreName$i missing"
  grep -q "^HighScore$i=" "$SETTINGS" || fail "HighScore$i missing"
done
grep -q "^Sound=" "$SETTINGS" || fail "Sound missing"
keys=$(grep -E '^[A-Za-z0-9]+=' "$SETTINGS" | cut -d= -f1 | sort -u | wc -l)
[ "$keys" = 21 ] || fail "the settings file holds $keys keys: $(cat "$SETTINGS")"
echo "1 passed, 0 failed"
