#!/usr/bin/env bash
# The window's furniture with real pointer input on a full-HD screen: without a window manager, under
# one started late, and at 2x.
source "$(dirname "$0")/lib.sh" "$@"
trap 'kill $(jobs -p) 2>/dev/null; end_x_session' EXIT # the window manager too

# The game opens web pages through xdg-open; this one only writes down what it was asked to open.
OPENED=$WORK/opened PATH="$WORK/bin:$PATH"
mkdir -p "$WORK/bin" && printf '#!/bin/sh\necho "$@" >>"%s"\n' "$OPENED" >"$WORK/bin/xdg-open" && chmod +x "$WORK/bin/xdg-open"
expect_opened() { within "grep -qxF '$1' '$OPENED' 2>/dev/null" 5 || fail "$1 was not opened: $(cat "$OPENED")"; }

# The pointer's shape (width, height, hot spot) tells the hand from the arrow; the build makes the
# program that reads it beside the game.
POINTER_SHAPE=$(dirname "$GAME")/frothwick_pointer_shape
[ -x "$POINTER_SHAPE" ] || fail "$POINTER_SHAPE is missing (the build makes it where libxfixes-dev is installed)"
hand_shown() { [ "$("$POINTER_SHAPE")" = "$HAND" ]; }
HAND="32 32 12 1"

# Moves the pointer to a client pixel, unless it is there: xdotool's --sync waits long for no move.
pointer_to() {
  local X Y
  eval "$(xdotool getmouselocation --shell)"
  [ "$X $Y" = "$((WIN_X + $1)) $((WIN_Y + $2))" ] || xdotool mousemove --sync $((WIN_X + $1)) $((WIN_Y + $2))
}
# A part of the last screenshot (a crop geometry) kept in a file; how many of its pixels changed since.
crop_of() { /usr/bin/convert "$WORK/screen.png" -crop "$1" +repage "PNG24:$2"; }
changed_pixels() { crop_of "$1" "$WORK/now.png" && /usr/bin/compare -metric AE "$2" "$WORK/now.png" null: 2>&1 || true; }
window_position() { eval "$(xdotool getwindowgeometry --shell "$WIN")" && echo "$X $Y"; }

# Holds a button on a client pixel and moves the pointer in two steps, by relative or absolute motion:
# the first starts a drag, the second must still be followed. The window follows, or stays.
drag_from() { # x, y, dx, dy, follows (yes/no) [, button, motion (mousemove_relative/mousemove)]
  local dx=$3 dy=$4 button=${6:-1} motion=${7:-mousemove_relative} x0=$((WIN_X + $1)) y0=$((WIN_Y + $2))
  local wx=$WIN_X wy=$WIN_Y part X=0 Y=0
  pointer_to "$1" "$2"
  xdotool mousedown "$button"
  for part in $((dx / 2)),$((dy / 2)) $dx,$dy; do
    sleep 0.2
    [ "$motion" = mousemove ] || eval "$(xdotool getmouselocation --shell)"
    xdotool "$motion" --sync -- $((x0 + ${part%,*} - X)) $((y0 + ${part#*,} - Y))
  done
  [ "$5" = no ] || wx=$((wx + dx)) wy=$((wy + dy))
  within '[ "$(window_position)" = "$wx $wy" ]' 2 ||
    fail "button $button held at ($1, $2), moved by ($dx, $dy): the window is at ($(window_position))"
  xdotool mouseup "$button"
  WIN_X=$wx WIN_Y=$wy
}
step "a full-HD screen: the window opens at 1x, centred"
start_x 1920x1080
start_game
[ "$(window_position)" = "616 285" ] || fail "the window is at ($(window_position))"
step "the hand over a button, a tool tip below and right of the pointer, the plain pointer over the board"
pointer_to 250 300
screenshot
tip_crop="60x14+$((WIN_X + 598))+$((WIN_Y + 280))" # well inside the tip's box, 2 right and 22 below the tip
crop_of "$tip_crop" "$WORK/tip_before.png"
pointer_to 594 256
within hand_shown || fail "over New the pointer is $("$POINTER_SHAPE")"
eventually '[ "$(changed_pixels "$tip_crop" "$WORK/tip_before.png")" -gt 400 ]' || fail "no tip was shown"
pointer_to 250 300
within '! hand_shown' || fail "the hand shows over the board"
step "without a window manager: dragging by the board with either button moves the window with the pointer"
drag_from 250 300 60 40 yes 1 mousemove_relative
drag_from 250 300 -35 25 yes 3 mousemove
step "without a window manager: a game goes on while the button is held on the board"
click_at 594 256 # New
pointer_to 250 300
xdotool mousedown 1
board="480x400+$((WIN_X + 18))+$((WIN_Y + 94))"
screenshot && crop_of "$board" "$WORK/held.png"
eventually '[ "$(changed_pixels "$board" "$WORK/held.png")" != 0 ]' || fail "the game stood still while the button was held"
xdotool mouseup 1
click_at 594 154 # pause
step "pressing on About opens the panel and does not move the window; its link is handed to the desktop"
drag_from 594 324 10 8 no
eventually 'shows pctAboutText1.png 104 228' || fail "the about panel did not open"
click_at 256 274
expect_opened https://tallowmere-games.example/
click_at 257 306 # the close mark
step "under openbox started while the game runs, as when a session's manager restarts: the game is frame-less"
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
within 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
  fail "openbox did not start: $(cat "$WORK/openbox.log")"
frameless() { xprop -id "$WIN" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' &&
  [ "$(xwininfo -id "$WIN" | grep -cE 'Relative upper-left [XY]: +0$')" = 2 ]; }
within frameless || fail "openbox framed the game: $(xprop -id "$WIN" _NET_FRAME_EXTENTS)"
read -r WIN_X WIN_Y < <(window_position)
step "under openbox: dragging by the board hands the move to the manager, so it stops at the screen's edge"
pointer_to 250 300
xdotool mousedown 1 sleep 0.2 mousemove_relative --sync -- $((5 - WIN_X)) 0 sleep 0.2 mousemove_relative --sync -- -10 0
within '[ "$(window_position | cut -d" " -f1)" = 0 ]' 2 || fail "the window went past the edge to $(window_position)"
xdotool mouseup 1
read -r WIN_X WIN_Y < <(window_position)

# Minimises the window through the manager, or by a click where its minimise icon is drawn; restores it.
minimise_and_restore() { # [the icon's place in the window]
  if [ $# = 0 ]; then xdotool windowminimize "$WIN"; else xdotool mousemove --sync $((WIN_X + $1)) $((WIN_Y + $2)) click 1; fi
  within 'xprop -id "$WIN" WM_STATE | grep -q Iconic' || fail "the window was not minimised"
  [ -z "$(xdotool search --onlyvisible --name '^Frothwick$' || true)" ] || fail "the window is still visible"
  xdotool windowactivate "$WIN" 2>/dev/null || true
  within 'xprop -id "$WIN" WM_STATE | grep -q Normal' || fail "the window was not restored"
  within frameless || fail "restored, openbox framed the game: $(xprop -id "$WIN" _NET_FRAME_EXTENTS)"
  [ "$(xdotool getwindowname "$WIN")" = Frothwick ] || fail "the window is named '$(xdotool getwindowname "$WIN")'"
  read -r WIN_X WIN_Y < <(window_position)
}
step "under openbox: a game paused by P looks exactly the same after a minimise and restore"
click_at 594 256 # New
xdotool key space
pointer_to 250 300 # on the board, where no tool tip shows
xdotool key p
eventually 'action_shows pctPlay.png' || fail "P did not pause the game"
crop_of "687x510+$WIN_X+$WIN_Y" "$WORK/before.png"
minimise_and_restore
eventually '[ "$(changed_pixels "687x510+$WIN_X+$WIN_Y" "$WORK/before.png")" = 0 ]' ||
  fail "restored, the window differs from before"

# At 2x the picture checks read the window reduced to client pixels, when each is a 2 x 2 square.
at_2x() {
  screenshot
  /usr/bin/convert "$WORK/screen.png" -crop "1374x1020+$WIN_X+$WIN_Y" +repage -write "PNG24:$WORK/window.png" \
    -sample 687x510 -write "PNG24:$WORK/client.png" -sample 1374x1020 "PNG24:$WORK/again.png"
  [ "$(/usr/bin/compare -metric AE "$WORK/window.png" "$WORK/again.png" null: 2>&1)" = 0 ] || return 1
  cp "$WORK/client.png" "$WORK/screen.png"
  local WIN_X=0 WIN_Y=0
  eval "$1"
}
sized() { eval "$(xdotool getwindowgeometry --shell "$WIN")" && [ "$WIDTH $HEIGHT" = "$1" ]; }
step "Ctrl+Plus in a running game: 2x, every pixel a 2 x 2 square, and the hand twice the size"
xdotool key Escape ctrl+plus
within 'sized "1374 1020"' || fail "the window is ${WIDTH}x$HEIGHT after Ctrl+Plus"
read -r WIN_X WIN_Y < <(window_position)
within 'at_2x "menu_shown && action_shows pctPause.png && shows pctMinimizeIcon.png 634 10"' ||
  fail "the window at 2x is not the 1x picture enlarged"
xdotool mousemove --sync $((WIN_X + 2 * 598)) $((WIN_Y + 2 * 250))
HAND="64 64 24 2"
within hand_shown || fail "over New at 2x the pointer is $("$POINTER_SHAPE")"
step "at 2x the minimise icon and a restore leave the window frame-less at 2x, its game paused"
minimise_and_restore $((2 * 644)) $((2 * 20))
sized "1374 1020" || fail "restored, the window is ${WIDTH}x$HEIGHT"
within 'at_2x "action_shows pctPlay.png"' || fail "the restored window is not at 2x with its game paused"
step "the Exit button, clicked at 2x, ends the game and saves every setting, the scale too"
xdotool mousemove --sync $((WIN_X + 2 * 594)) $((WIN_Y + 2 * 358)) click 1
wait_game_exit
[ "$(setting Scale)" = 2 ] && [ "$(grep -c = "$SETTINGS")" = 22 ] || fail "not every setting was saved: $(cat "$SETTINGS")"
echo "1 passed, 0 failed"
