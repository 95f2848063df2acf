# Shared helpers for the real-window tests: the built game in its own Xvfb, driven by xdotool,
# checked on screenshots against the game's own pictures and on the settings file it leaves.
# Usage in a test: source lib.sh "$@"   (arguments: the game binary, the assets folder)
set -euo pipefail

GAME=$1
ASSETS=$2
WORK=$(mktemp -d /tmp/frothwick-e2e.XXXXXX)
export XDG_CONFIG_HOME=$WORK/config
export SDL_AUDIODRIVER=dummy
SETTINGS=$XDG_CONFIG_HOME/Frothwick/settings.ini
STEP="setting up"
XVFB_PID=""
GAME_PID=""
WIN=""
WIN_X=0
WIN_Y=0

fail() {
  echo "FAILED at step '$STEP': $*" >&2
  if [ -n "$WIN" ] && [ -n "${DISPLAY:-}" ]; then
    local keep=/tmp/frothwick-failure-$(basename "$0" .sh)-$$.png
    /usr/bin/import -display "$DISPLAY" -window root "PNG24:$keep" 2>/dev/null && echo "screenshot kept: $keep" >&2
  fi
  exit 1
}

step() {
  STEP=$1
  echo "-- $STEP"
}

source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
trap end_x_session EXIT


start_x() {
  start_xvfb "$WORK" || fail "no X server could be started: $(cat "$WORK/xvfb.log")"
}

# Starts the game and waits for its window and its first frame (the New button on the screen, where
# the window manager, if any, has placed the window); sets WIN, WIN_X, WIN_Y (the client area's
# origin). A background job of a script starts with SIGINT and SIGQUIT ignored; the game gets them as
# a desktop would send them.
start_game() {
  env --default-signal "$GAME" >"$WORK/game.out" 2>&1 &
  GAME_PID=$!
  WIN=$(timeout 20 xdotool search --sync --name '^Frothwick$' | head -1) || fail "the window did not appear"
  local end=$((SECONDS + 20))
  until first_frame_shown; do
    [ "$SECONDS" -lt "$end" ] || fail "the window never showed its first frame"
    sleep 0.1
  done
}

first_frame_shown() {
  xwininfo -id "$WIN" 2>/dev/null | grep -q 'Map State: IsViewable' || return 1
  eval "$(xdotool getwindowgeometry --shell "$WIN")"
  WIN_X=$X
  WIN_Y=$Y
  screenshot
  [ "$(differing_pixels "$ASSETS/pctNew.png" 578 240)" = 0 ]
}

# Ends the game as the window system would (SDL turns SIGTERM into a quit request) and checks it
# ended normally.
close_game() {
  kill -TERM "$GAME_PID"
  local status=0
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" = 0 ] || fail "the game ended with status $status: $(cat "$WORK/game.out")"
}

wait_game_exit() {
  local status=0
  timeout 20 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end"
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" = 0 ] || fail "the game ended with status $status"
}

screenshot() {
  /usr/bin/import -window root "PNG24:$WORK/screen.png"
}

# Clicks at a pixel of the client area.
click_at() {
  xdotool mousemove --sync $((WIN_X + $1)) $((WIN_Y + $2)) click 1
}

# Number of pixels that differ between a picture file and the screen at a client position;
# transparent pixels of the picture are not compared, and an optional width compares only the
# picture's left part (a neighbour may cover the rest).
differing_pixels() {
  local picture=$1 x=$2 y=$3 width=${4:-}
  local w h
  read -r w h < <(/usr/bin/identify -format '%w %h' "$picture")
  [ -n "$width" ] && [ "$width" -lt "$w" ] && w=$width
  /usr/bin/convert "$picture" -crop "${w}x${h}+0+0" +repage -alpha on "PNG32:$WORK/want.png"
  /usr/bin/convert "$WORK/want.png" -alpha extract "$WORK/mask.png"
  /usr/bin/convert "$WORK/screen.png" -crop "${w}x${h}+$((WIN_X + x))+$((WIN_Y + y))" +repage \
    "$WORK/mask.png" -alpha off -compose CopyOpacity -composite -background black -alpha remove "PNG24:$WORK/got.png"
  /usr/bin/convert "$WORK/want.png" -background black -alpha remove "PNG24:$WORK/want_flat.png"
  /usr/bin/compare -metric AE "$WORK/got.png" "$WORK/want_flat.png" null: 2>&1 | cut -d' ' -f1 || true
}

expect_picture() {
  local picture=$1 x=$2 y=$3
  local diff
  diff=$(differing_pixels "$ASSETS/$picture" "$x" "$y")
  [ "$diff" = 0 ] || fail "$picture at ($x, $y) differs in $diff pixels"
}

# Reads the seven score digits by comparing each box with the digit pictures.
read_score() {
  local lefts=(520 541 562 583 604 625 646) score="" left d found
  for left in "${lefts[@]}"; do
    found="?"
    for d in 0 1 5 2 3 4 6 7 8 9; do
      if [ "$(differing_pixels "$ASSETS/pctDigit_$d.png" "$left" 90 21)" = 0 ]; then
        found=$d
        break
      fi
    done
    score+=$found
  done
  echo "$score"
}

setting() {
  grep -E "^$1=" "$SETTINGS" | tail -1 | sed -E 's/^[^=]*=//; s/^"//; s/"$//'
}

# Retries a check for up to a few seconds (10 unless told): a busy machine may answer late.
within() {
  local check=$1 seconds=${2:-10}
  local end=$((SECONDS + seconds))
  until eval "$check"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# Retries a check on fresh screenshots for up to a few seconds: a busy machine may draw late.
eventually() {
  local check=$1 seconds=${2:-5}
  local end=$((SECONDS + seconds))
  while :; do
    screenshot
    eval "$check" && return 0
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.2
  done
}
