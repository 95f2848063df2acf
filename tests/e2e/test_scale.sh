#!/usr/bin/env bash
# The window at a whole scale on large displays: on a 4K screen it opens three times the size,
# centred, every pixel a 3 x 3 square of the 1x picture and the hand pointer three times the size;
# a click on New where it is drawn starts a game; Ctrl+Minus takes the window to 2x about its centre
# and the next start remembers that, and under a window manager the minimise icon and a restore leave
# it frame-less at 2x. On a full-HD screen it opens at 1x.
source "$(dirname "$0")/lib.sh" "$@"
LEFT=0 TOP=0

cc -O1 -o "$WORK/pointer_shape" "$(dirname "$0")/pointer_shape.c" -lXfixes -lX11 ||
  fail "the pointer-shape reader does not build (it needs libxfixes-dev)"

# A screen of the given size, the pointer in its corner, off where the window opens.
screen_of() {
  [ -n "$XVFB_PID" ] && { kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null || true; }
  start_xvfb "$WORK" "$1x24" || fail "no $1 X server could be started: $(cat "$WORK/xvfb.log")"
  xdotool mousemove --sync 0 0
}

# Whether the window has the given size and top-left corner.
placed() {
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  [ "$WIDTH $HEIGHT $X $Y" = "$1 $2 $3 $4" ]
}

# A screenshot of the window (its corner at LEFT, TOP) reduced by the scale to its client pixels,
# taken only when enlarging it again gives the window back exactly: each client pixel a square of one
# colour. The lib's picture checks then read it at client positions.
reduced_window() {
  local scale=$1
  screenshot
  /usr/bin/convert "$WORK/screen.png" -crop "$((687 * scale))x$((510 * scale))+$LEFT+$TOP" +repage \
    "PNG24:$WORK/window.png"
  /usr/bin/convert "$WORK/window.png" -sample 687x510 "PNG24:$WORK/client.png"
  /usr/bin/convert "$WORK/client.png" -sample "$((687 * scale))x$((510 * scale))" "PNG24:$WORK/again.png"
  local diff
  diff=$(/usr/bin/compare -metric AE "$WORK/window.png" "$WORK/again.png" null: 2>&1 | cut -d' ' -f1 || true)
  [ "$diff" = 0 ] || return 1
  cp "$WORK/client.png" "$WORK/screen.png"
  WIN_X=0 WIN_Y=0
}

# Starts the game and waits until its window is at this size and corner and shows its menu.
start_scaled() {
  local scale=$1 x=$2 y=$3
  env --default-signal "$GAME" >"$WORK/game.out" 2>&1 &
  GAME_PID=$!
  WIN=$(timeout 20 xdotool search --sync --name '^Frothwick$' | head -1) || fail "the window did not appear"
  within "placed $((687 * scale)) $((510 * scale)) $x $y" 20 ||
    fail "the window is ${WIDTH}x$HEIGHT at ($X, $Y), not $((687 * scale))x$((510 * scale)) at ($x, $y)"
  LEFT=$x TOP=$y
  within "reduced_window $scale && [ \"\$(differing_pixels \"\$ASSETS/pctNew.png\" 578 240)\" = 0 ]" 20 ||
    fail "the window never showed its menu at ${scale}x"
}

step "a 4K screen: the window opens at 3x, centred"
screen_of 3840x2160
start_scaled 3 889 315

step "the 3x screen reduced by 3 is the 1x picture"
reduced_window 3 || fail "some client pixel is not a 3 x 3 square"
for picture in pctNew:578:240 pctScores:578:274 pctAbout:578:308 pctQuit:578:342 pctSoundOff:578:402 \
  pctMinimizeIcon:634:10 pctExitIcon:656:10 pctMug:542:461 pctMug:575:461 pctMug:608:461; do
  IFS=: read -r name x y <<<"$picture"
  expect_picture "$name.png" "$x" "$y"
done
[ "$(read_score)" = 0000000 ] || fail "the score reads $(read_score)"

step "the hand is three times the size, its finger tip where the picture has it"
xdotool mousemove --sync $((889 + 3 * 598)) $((315 + 3 * 250))
within '[ "$("$WORK/pointer_shape")" = "96 96 36 3" ]' || fail "over New the pointer is $("$WORK/pointer_shape")"

step "a click on New where it is drawn starts a game"
xdotool click 1
eventually 'reduced_window 3 && [ "$(differing_pixels "$ASSETS/pctPause.png" 578 138)" = 0 ]' ||
  fail "no game started: the play/pause button does not show Pause"

step "Ctrl+Minus: 2x about the same centre, and kept"
xdotool key ctrl+minus
within "placed 1374 1020 1232 570" || fail "the window is ${WIDTH}x$HEIGHT at ($X, $Y) after Ctrl+Minus"
within '[ -f "$SETTINGS" ] && [ "$(setting Scale)" = 2 ]' || fail "the scale was not kept"
close_game

step "the next start remembers 2x"
start_scaled 2 1233 570
reduced_window 2 || fail "some client pixel is not a 2 x 2 square"

step "under openbox at 2x: the minimise icon iconifies, and restored the window is as it was"
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
OPENBOX_PID=$!
trap '[ -n "$OPENBOX_PID" ] && kill "$OPENBOX_PID" 2>/dev/null; end_x_session' EXIT
within 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || fail "openbox did not start"
xdotool mousemove --sync $((LEFT + 2 * 644)) $((TOP + 2 * 20)) click 1
within 'xprop -id "$WIN" WM_STATE | grep -q Iconic' || fail "the window is not iconic: $(xprop -id "$WIN" WM_STATE)"
xdotool windowactivate "$WIN" 2>/dev/null || true
within 'xprop -id "$WIN" WM_STATE | grep -q Normal' || fail "the window was not restored"
within 'xprop -id "$WIN" _NET_FRAME_EXTENTS | grep -q "= 0, 0, 0, 0"' || fail "openbox framed the game"
eval "$(xdotool getwindowgeometry --shell "$WIN")"
[ "$WIDTH $HEIGHT" = "1374 1020" ] || fail "restored, the window is ${WIDTH}x$HEIGHT"
LEFT=$X TOP=$Y
eventually 'reduced_window 2 && [ "$(differing_pixels "$ASSETS/pctMinimizeIcon.png" 634 10)" = 0 ]' ||
  fail "the restored window is not the 1x picture at 2x"
close_game
kill "$OPENBOX_PID" && wait "$OPENBOX_PID" 2>/dev/null || true
OPENBOX_PID=""

step "a full-HD screen: the window opens at 1x"
rm -rf "$XDG_CONFIG_HOME"
screen_of 1920x1080
start_scaled 1 616 285
close_game
echo "1 passed, 0 failed"
