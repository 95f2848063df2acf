#!/usr/bin/env bash
# The built game on an unfriendly machine: a full disk, no sound card, no display, a broken install, a
# named pipe where the settings file should be. In every case it starts or says clearly why it
# cannot, ends without crashing, and loses nothing saved before: each case starts from a known
# settings file and finds it afterwards unchanged, or saved again with every value kept.
#
# Arguments: the game binary, the assets folder, the build folder, the source folder. It runs in both
# build folders: the sanitizer build checks the same paths for memory faults.
source "$(dirname "$0")/../e2e/lib.sh" "$1" "$2" || {
  echo "FAILED: tests/e2e/lib.sh could not be loaded" >&2
  exit 1
}

GAME=$(readlink -f "$GAME")
BUILD_DIR=$(dirname "$GAME")
# A settings file with a section of the player's own that every save must keep.
KNOWN=$WORK/known.ini
{
  echo "; my scores, kept by hand"
  echo "[Settings]"
  echo 'HighScoreName1="ANNA"'
  echo 'HighScore1="98765"'
  echo 'HighScoreName2="BORIS 2"'
  echo 'HighScore2="4500"'
  echo 'Sound="ON"'
  echo
  echo "[Notes]"
  for i in $(seq 30); do
    echo "Note$i=\"a line of the player's own notes that the game never reads, number $i\""
  done
} >"$KNOWN"

# The value of a key in a settings file, as the game would read it (the last one wins).
value_in() {
  grep -E "^$2=" "$1" | tail -1 | sed -E 's/^[^=]*=//; s/^"//; s/"$//'
}

# A settings file the game has saved again keeps every value and the player's own lines.
expect_kept() {
  local file=$1 what=$2 key want got
  [ -s "$file" ] || fail "$what: the settings file is gone or empty"
  if cmp -s "$file" "$KNOWN"; then
    return 0
  fi
  for key in HighScoreName1=ANNA HighScore1=98765 "HighScoreName2=BORIS 2" HighScore2=4500 Sound=ON \
    "Note30=a line of the player's own notes that the game never reads, number 30"; do
    want=${key#*=}
    got=$(value_in "$file" "${key%%=*}")
    [ "$got" = "$want" ] || fail "$what: ${key%%=*} is '$got', was '$want'"$'\n'"$(cat "$file")"
  done
  grep -q '^; my scores, kept by hand$' "$file" || fail "$what: the player's comment line is gone"
}

expect_unchanged() {
  cmp -s "$1" "$KNOWN" || fail "$2: the settings file changed though the game could not have saved it:"$'\n'"$(cat "$1")"
}

expect_no_temporaries() {
  local left
  left=$(find "$1" -maxdepth 1 -name '.settings.ini.*' 2>/dev/null | wc -l)
  [ "$left" = 0 ] || fail "$2: $left temporary files are left beside the settings file"
}

# Starts a command (the game, as it is run in this case) in the background with its output kept in
# $CASE/out and $CASE/err, waits for the game's window, and closes it as the window system would.
# Sets STATUS. The game gets SIGINT and SIGQUIT as a desktop sends them, not ignored as a script's
# background job would.
play_and_close() {
  env --default-signal "$@" >"$CASE/out" 2>"$CASE/err" &
  GAME_PID=$!
  wait_for_window
  close_running_game "${CLOSE_WITH:-TERM}"
}

wait_for_window() {
  WIN=$(timeout 30 xdotool search --sync --name '^Frothwick$' | head -1) ||
    fail "the window did not appear: $(cat "$CASE/err")"
  sleep 0.5
}

close_running_game() {
  kill "-${1:-TERM}" "$GAME_PID"
  STATUS=0
  timeout 30 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end after SIG${1:-TERM}"
  wait "$GAME_PID" || STATUS=$?
  GAME_PID=""
  WIN=""
}

expect_status() {
  [ "$STATUS" = "$1" ] || fail "the game ended with status $STATUS, not $1: $(cat "$CASE/err")"
}

new_case() {
  step "$1"
  CASE=$WORK/case-$2
  mkdir -p "$CASE"
}

# A copy of the installed game (program, pictures, sounds) that a case may break.
install_copy() {
  local dir=$1
  mkdir -p "$dir"
  cp "$GAME" "$dir/frothwick"
  cp -r "$BUILD_DIR/assets" "$dir/assets"
  cp "$BUILD_DIR"/*.wav "$dir/"
}

# Answers the game's message box, a window named like the game's own other than its main window. SDL
# titles its box in UTF-8, which xdotool's name search does not read.
answer_message_box() {
  local box="" main
  main=$(printf '0x%x' "${WIN:-0}")
  for _ in $(seq 150); do
    box=$(xwininfo -root -tree | awk -v main="$main" '/"Frothwick"/ && $1 != main {print $1; exit}')
    [ -n "$box" ] && break
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$box" ] || fail "no message box appeared: $(cat "$CASE/err")"
  xdotool windowfocus --sync "$box"
  xdotool key Return
}

start_x

# ---- (b1) a full disk -----------------------------------------------------------------------------
new_case "(b1) the disk is full" b1
# A file system of 8 KB of our own, in a mount namespace of our own so that it goes when the case
# ends: the known settings file in it, and the rest filled.
mkdir -p "$CASE/disk"
if unshare --mount --propagation private mount -t tmpfs -o size=8k tmpfs "$CASE/disk" 2>"$CASE/mount.err"; then
  unshare --mount --propagation private bash -c '
    set -e
    disk=$1 known=$2 game=$3 case=$4
    mount -t tmpfs -o size=8k tmpfs "$disk"
    mkdir "$disk/Frothwick"
    cp "$known" "$disk/Frothwick/settings.ini"
    cat /dev/zero >"$disk/filler" 2>/dev/null || true
    XDG_CONFIG_HOME=$disk "$game" >"$case/out" 2>"$case/err" &
    echo $! >"$case/game.pid"
    status=0
    wait $! || status=$?
    echo "$status" >"$case/status"
    cp "$disk/Frothwick/settings.ini" "$case/after.ini"
    ls -A "$disk/Frothwick" >"$case/listing"
  ' full-disk "$CASE/disk" "$KNOWN" "$GAME" "$CASE" &
  WRAPPER=$!
  for _ in $(seq 100); do
    [ -s "$CASE/game.pid" ] && break
    sleep 0.1
  done
  [ -s "$CASE/game.pid" ] || fail "the game did not start on the full disk"
  GAME_PID=$(cat "$CASE/game.pid")
  wait_for_window
  kill -TERM "$GAME_PID"
  # The save on the way out fails: the player is told, and the game ends with status 1.
  answer_message_box "$GAME_PID"
  GAME_PID=""
  timeout 30 tail --pid="$WRAPPER" -f /dev/null || fail "the game did not end after SIGTERM"
  wait "$WRAPPER" || fail "the full-disk case itself failed"
  STATUS=$(cat "$CASE/status")
  expect_status 1
  grep -q "Frothwick/settings.ini" "$CASE/err" || fail "standard error does not name the settings file: $(cat "$CASE/err")"
  grep -q "No space left on device" "$CASE/err" || fail "standard error does not name the problem: $(cat "$CASE/err")"
  expect_unchanged "$CASE/after.ini" "(b1)"
  [ "$(grep -v '^\.settings\.ini\.frothwick-lock$' "$CASE/listing")" = settings.ini ] ||
    fail "the settings folder holds more than the settings file: $(cat "$CASE/listing")"
else
  echo "mounting a small file system is impossible here ($(cat "$CASE/mount.err")): the full disk is" \
    "left to the unit tests' file size limit"
fi

# ---- (d) no sound card ----------------------------------------------------------------------------
for driver in alsa unset; do
  new_case "(d) no sound card, SDL_AUDIODRIVER=$driver" "d-$driver"
  mkdir -p "$CASE/config/Frothwick"
  cp "$KNOWN" "$CASE/config/Frothwick/settings.ini"
  if [ "$driver" = unset ]; then
    # Closing the terminal the game was started from (SIGHUP) ends it as closing its window does.
    CLOSE_WITH=HUP play_and_close env -u SDL_AUDIODRIVER XDG_CONFIG_HOME="$CASE/config" "$GAME"
  else
    play_and_close env SDL_AUDIODRIVER="$driver" XDG_CONFIG_HOME="$CASE/config" "$GAME"
  fi
  expect_status 0
  expect_kept "$CASE/config/Frothwick/settings.ini" "(d) $driver"
done

# ---- (e) no display -------------------------------------------------------------------------------
new_case "(e) no display" e
mkdir -p "$CASE/config/Frothwick" "$CASE/cwd"
cp "$KNOWN" "$CASE/config/Frothwick/settings.ini"
STATUS=0
(cd "$CASE/cwd" && env -u DISPLAY XDG_CONFIG_HOME="$CASE/config" timeout 30 "$GAME" >"$CASE/out" 2>"$CASE/err") ||
  STATUS=$?
[ "$STATUS" -lt 128 ] || fail "the game crashed or hung (status $STATUS): $(cat "$CASE/err")"
expect_status 1
grep -qi "display" "$CASE/err" || fail "standard error does not mention the display: $(cat "$CASE/err")"
[ -z "$(ls -A "$CASE/cwd")" ] || fail "the game left files behind (a core?): $(ls -A "$CASE/cwd")"
expect_unchanged "$CASE/config/Frothwick/settings.ini" "(e)"

# ---- (f) a broken install: a truncated picture -----------------------------------------------------
# The game says what is wrong in a message box and on standard error, and stops with status 1 once
# the box is answered. (Missing pictures and pictures of the wrong size are start-up's unit tests.)
new_case "(f) a truncated picture" f
install_copy "$CASE/install"
mkdir -p "$CASE/config/Frothwick"
cp "$KNOWN" "$CASE/config/Frothwick/settings.ini"
picture=frmMain.png
truncate -s $(($(stat -c %s "$CASE/install/assets/$picture") / 2)) "$CASE/install/assets/$picture"
XDG_CONFIG_HOME="$CASE/config" "$CASE/install/frothwick" >"$CASE/out" 2>"$CASE/err" &
GAME_PID=$!
answer_message_box "$GAME_PID"
STATUS=0
timeout 30 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not stop after the message box"
wait "$GAME_PID" || STATUS=$?
GAME_PID=""
WIN=""
expect_status 1
grep -q "$picture" "$CASE/err" || fail "standard error does not name $picture: $(cat "$CASE/err")"
expect_unchanged "$CASE/config/Frothwick/settings.ini" "(f)"

# ---- (g) a corrupt sound (a missing one is the smoke tests') ----------------------------------------
new_case "(g) a corrupt sound" g
install_copy "$CASE/install"
mkdir -p "$CASE/config/Frothwick"
cp "$KNOWN" "$CASE/config/Frothwick/settings.ini"
head -c 4096 /dev/urandom >"$CASE/install/burp.wav"
play_and_close env XDG_CONFIG_HOME="$CASE/config" "$CASE/install/frothwick"
expect_status 0
expect_kept "$CASE/config/Frothwick/settings.ini" "(g)"

# ---- (h) a named pipe where the settings file should be -------------------------------------------
new_case "(h) settings.ini is a named pipe" h
mkdir -p "$CASE/config/Frothwick"
mkfifo "$CASE/config/Frothwick/settings.ini"
env --default-signal XDG_CONFIG_HOME="$CASE/config" "$GAME" >"$CASE/out" 2>"$CASE/err" &
GAME_PID=$!
wait_for_window
# The game says it cannot read the pipe and will leave it alone; SIGQUIT then ends it like a close.
answer_message_box "$GAME_PID"
close_running_game QUIT
expect_status 1
[ -p "$CASE/config/Frothwick/settings.ini" ] || fail "the pipe was replaced"
grep -q "settings.ini: not a regular file" "$CASE/err" || fail "standard error does not say why: $(cat "$CASE/err")"
[ "$(wc -l <"$CASE/err")" = 2 ] || fail "standard error should say it at start and at the end:"$'\n'"$(cat "$CASE/err")"

echo "1 passed, 0 failed"
