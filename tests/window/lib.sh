# The built game in an X server of its own, driven by xdotool, checked on screenshots against the
# game's own pictures and on the settings file it leaves. Usage: source lib.sh <game> <assets folder>
set -euo pipefail
GAME=$1 ASSETS=$2 WORK=$(mktemp -d /tmp/frothwick-window.XXXXXX) STEP="setting up"
export XDG_CONFIG_HOME=$WORK/config SDL_AUDIODRIVER=dummy
SETTINGS=$XDG_CONFIG_HOME/Frothwick/settings.ini XVFB_PID="" GAME_PID="" WIN="" WIN_X=0 WIN_Y=0
source "$(dirname "${BASH_SOURCE[0]}")/xserver.sh"
trap end_x_session EXIT

fail() {
  echo "FAILED at step '$STEP': $*" >&2
  ! cp "$WORK/screen.png" "/tmp/frothwick-failure-$$.png" 2>/dev/null || echo "last screenshot: /tmp/frothwick-failure-$$.png" >&2
  exit 1
}
step() { STEP=$1 && echo "-- $STEP"; }
start_x() { start_xvfb "$WORK" "${1:-1024x768}x24" || fail "no X server could be started: $(cat "$WORK/xvfb.log")"; }

# Starts the game and waits for its first frame (the New button on screen); sets WIN, WIN_X and WIN_Y.
# A script's background job starts with SIGINT and SIGQUIT ignored; the game gets them as from a desktop.
start_game() {
  env --default-signal "$GAME" >"$WORK/game.out" 2>&1 &
  GAME_PID=$!
  WIN=$(find_window Frothwick 20) || fail "the window did not appear"
  within 'xwininfo -id "$WIN" 2>/dev/null | grep -q IsViewable && eval "$(xdotool getwindowgeometry --shell "$WIN")" &&
    WIN_X=$X WIN_Y=$Y && screenshot && menu_shown' 20 || fail "the window never showed its first frame"
}

# Ends the game as the window system would (SIGTERM, SIGHUP and the like close the window),
# or waits for its end, with the status it must end with (0 unless told).
close_game() { kill "-${1:-TERM}" "$GAME_PID" && wait_game_exit; }
wait_game_exit() {
  local status=0
  timeout 20 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end"
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" = "${1:-0}" ] || fail "the game ended with status $status: $(cat "$WORK/game.out")"
}

screenshot() { /usr/bin/import -window root "PNG24:$WORK/screen.png"; }
click_at() { xdotool mousemove --sync $((WIN_X + $1)) $((WIN_Y + $2)) click 1; }
# Whether a picture is on the last screenshot at a client position, but for its transparent pixels; a
# width compares only its left part.
shows() { # picture, x, y [, width]
  local w h
  read -r w h < <(/usr/bin/identify -format '%w %h' "$ASSETS/$1")
  /usr/bin/convert "$WORK/screen.png" -crop "${4:-$w}x$h+$((WIN_X + $2))+$((WIN_Y + $3))" +repage "PNG24:$WORK/got.png"
  /usr/bin/convert "$WORK/got.png" "$ASSETS/$1" -composite "PNG24:$WORK/want.png"
  [ "$(/usr/bin/compare -metric AE "$WORK/got.png" "$WORK/want.png" null: 2>&1)" = 0 ]
}
menu_shown() { shows pctNew.png 578 240; }
action_shows() { shows "$1" 578 138; }
# A value of the game's settings file, as the game reads it: the last one wins.
setting() { grep -E "^$1=" "$SETTINGS" | tail -1 | sed -E 's/^[^=]*=//; s/^"//; s/"$//'; }
# Retries a check until it holds, for some seconds (10 unless told): a busy machine may answer late.
within() {
  local end=$((SECONDS + ${2:-10}))
  until eval "$1"; do [ "$SECONDS" -lt "$end" ] && sleep 0.1 || return 1; done
}
eventually() { within "screenshot; $1" "${2:-5}"; } # on fresh screenshots, 5 seconds unless told
