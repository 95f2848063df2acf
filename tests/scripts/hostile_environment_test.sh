#!/usr/bin/env bash
# The built game on an unfriendly machine: a full disk, no display, a damaged picture (no sound device:
# install_test.sh). It says why it cannot go on, ends without crashing, and loses nothing saved before.
# Arguments: the game, the assets folder, the build and source folders. It runs in both build folders.
source "$(dirname "$0")/../window/lib.sh" "$1" "$2"
GAME=$(readlink -f "$GAME")
KNOWN=$WORK/known.ini
printf '; my scores, kept by hand\n[Settings]\nHighScoreName1="ANNA"\nHighScore1="98765"\nSound="ON"\n\n[Notes]\nMine="%s"\n' \
  "a line the game never reads" >"$KNOWN"
expect_unchanged() { cmp -s "$1" "$KNOWN" || fail "the settings changed though nothing could be saved: $(cat "$1")"; }
expect_told() { grep -q "$1" "$WORK/err" || fail "standard error does not say '$1': $(cat "$WORK/err")"; }
new_case() { step "$1" && CONFIG=$WORK/case-$2 && mkdir -p "$CONFIG/Frothwick" && cp "$KNOWN" "$CONFIG/Frothwick/settings.ini"; }
# Answers the game's message box, the other window of its name (xdotool cannot search SDL's UTF-8 title).
# A game that fails to start may show its window for a moment first: a box is never the window's size.
answer_message_box() {
  local box="" main
  main=$(printf '0x%x' "${WIN:-0}")
  within 'box=$(xwininfo -root -tree | awk -v main="$main" "/\"Frothwick\"/ && !/ 687x510[+]/ && \$1 != main {print \$1; exit}"); [ -n "$box" ]' 15 ||
    fail "no message box appeared: $(cat "$WORK/err")"
  xdotool windowfocus --sync "$box" key Return
}
start_x

# A file system of 8 KB in a mount namespace of its own, gone when the case ends: the known settings
# file in it and the rest filled. The save on the way out (Ctrl+Q) fails: the player is told, and it
# ends with 1. (A signal's way out tells standard error only: signals_test.sh.)
new_case "a full disk" full
mkdir -p "$WORK/disk"
if unshare --mount mount -t tmpfs -o size=8k tmpfs "$WORK/disk" 2>"$WORK/err"; then
  unshare --mount --propagation private bash -c '
    mount -t tmpfs -o size=8k tmpfs "$1" && mkdir "$1/Frothwick" && cp "$2" "$1/Frothwick/settings.ini" || exit 9
    cat /dev/zero >"$1/filler" 2>/dev/null
    XDG_CONFIG_HOME=$1 "$3" 2>"$4/err" &
    echo $! >"$4/pid"
    wait $!
    echo $? >"$4/status"
    cp "$1/Frothwick/settings.ini" "$4/after.ini" && ls -A "$1/Frothwick" >"$4/listing"
  ' full-disk "$WORK/disk" "$KNOWN" "$GAME" "$WORK" &
  GAME_PID=$!
  within '[ -s "$WORK/pid" ]' || fail "the game did not start on the full disk"
  WIN=$(find_window Frothwick 30) || fail "no window: $(cat "$WORK/err")"
  within 'xdotool windowfocus --sync "$WIN" key ctrl+q && [ -n "$(xwininfo -root -tree | grep -F "\"Frothwick\": ()")" ]' 15 ||
    fail "Ctrl+Q did not bring the box: $(cat "$WORK/err")"
  answer_message_box
  wait_game_exit
  [ "$(cat "$WORK/status")" = 1 ] || fail "the game ended with status $(cat "$WORK/status")"
  expect_told "Frothwick/settings.ini: .*No space left on device"
  expect_unchanged "$WORK/after.ini"
  [ "$(grep -vx '.settings.ini.frothwick-lock' "$WORK/listing")" = settings.ini ] ||
    fail "the settings folder holds more than the settings file: $(cat "$WORK/listing")"
  WIN=""
else
  echo "no small file system can be mounted here ($(cat "$WORK/err")): the unit tests' file size limit stands in"
fi
new_case "no display" display
mkdir "$WORK/cwd" && (cd "$WORK/cwd" && env -u DISPLAY XDG_CONFIG_HOME="$CONFIG" timeout 30 "$GAME" 2>"$WORK/err") && status=0 || status=$?
[ "$status" = 1 ] || fail "the game ended with status $status: $(cat "$WORK/err")"
expect_told "display"
[ -z "$(ls -A "$WORK/cwd")" ] || fail "the game left files behind (a core?): $(ls -A "$WORK/cwd")"
expect_unchanged "$CONFIG/Frothwick/settings.ini"

# A picture whose header is whole but whose pixels are cut off: the decoder refuses it, the player is
# told which, and the game stops with 1 once the box is answered.
new_case "a damaged picture" picture
mkdir "$WORK/install" && cp "$GAME" "$WORK/install/frothwick" && cp -r "$ASSETS" "$WORK/install/assets"
truncate -s $(($(stat -c %s "$ASSETS/frmMain.png") / 2)) "$WORK/install/assets/frmMain.png"
XDG_CONFIG_HOME=$CONFIG "$WORK/install/frothwick" 2>"$WORK/err" &
GAME_PID=$!
answer_message_box
wait_game_exit 1
expect_told "frmMain.png"
expect_unchanged "$CONFIG/Frothwick/settings.ini"
# A run as root with the player's HOME (sudo -E): the lock it makes and the store it rewrites stay the
# player's; a store saved as UTF-16 is written back as UTF-16 with the player's values as written; a
# file named like a log beside the program is someone else's and stays.
if [ "$(id -u)" = 0 ]; then
  step "a run as root in the player's home"
  PLAYER=$WORK/player && mkdir -p "$PLAYER/.config/Frothwick" "$WORK/root-install"
  { printf '\xff\xfe' && printf '[Settings]\r\nHighScoreName1="ZO\xc3\x8b"\r\nHighScore1=3000000000\r\n' |
    iconv -f UTF-8 -t UTF-16LE; } >"$PLAYER/.config/Frothwick/settings.ini"
  chown -R 4242:4242 "$PLAYER"
  cp "$GAME" "$WORK/root-install/frothwick" && ln -s "$(readlink -f "$ASSETS")" "$WORK/root-install/assets"
  echo "not the game's" >"$WORK/root-install/Frothwick.txt"
  GAME=$WORK/root-install/frothwick HOME=$PLAYER XDG_CONFIG_HOME="" start_game
  close_game TERM
  STORE=$PLAYER/.config/Frothwick/settings.ini
  owners=$(stat -c %u:%g "$STORE" "$PLAYER/.config/Frothwick/.settings.ini.frothwick-lock" | sort -u)
  [ "$owners" = 4242:4242 ] || fail "the player's files now belong to $owners"
  [ "$(head -c 2 "$STORE" | od -An -tx1 | tr -d ' ')" = fffe ] || fail "the store is no longer UTF-16"
  iconv -f UTF-16 -t UTF-8 "$STORE" >"$WORK/store.txt"
  [ "$(grep -c '^Sound=' "$WORK/store.txt")" = 1 ] && grep -q '^HighScore1=3000000000' "$WORK/store.txt" ||
    fail "the store was not read as UTF-16 or its values were rewritten: $(cat -A "$WORK/store.txt")"
  [ "$(cat "$WORK/root-install/Frothwick.txt")" = "not the game's" ] || fail "the file named like a log was removed"
else
  echo "not root: a run as root cannot be tried here; the unit tests keep the owners"
fi
echo "1 passed, 0 failed"
