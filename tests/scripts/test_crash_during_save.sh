#!/usr/bin/env bash
# A save killed at any moment never costs the player their store: the settings file is always the
# old store or the new one, whole, and killed saves do not pile up temporary files in the folder.
#
# A game saves a few times a session, so a small stand-in (save_loop.cpp, beside this script) saves
# big stores through the same settings store over and over; it is killed with SIGKILL at a random moment,
# two hundred times, and the file is checked after every kill.
#
# Arguments: the game binary, the assets folder, the build folder, the source folder. This is about
# files and kills, not memory: it runs once, in the normal build folder, and is skipped in the
# sanitizer one.
set -euo pipefail

BUILD=$3
SOURCE=$4
KILLS=200
# Each kill comes this many milliseconds, at most, after the saving program starts: long enough for
# several saves of about 200 KB, so kills land before, inside and between saves.
MAX_DELAY_MS=20

source "$(dirname "$0")/normal_build_only.sh"
run_in_normal_build_only "$BUILD" "it checks files and kills, and runs in the normal one"

WORK=$(mktemp -d /tmp/frothwick-crash.XXXXXX)
SAVER=""
HOLDER=""
cleanup() {
  [ -n "$SAVER" ] && kill -KILL "$SAVER" 2>/dev/null || true
  [ -n "$HOLDER" ] && kill "$HOLDER" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

echo "-- building the saving program"
g++ -std=c++20 -O2 -Wall -Wextra -Werror -I "$SOURCE/src" "$SOURCE/tests/scripts/save_loop.cpp" \
  "$SOURCE/src/platform/FileSettingsStore.cpp" "$SOURCE/src/platform/StoreFiles.cpp" \
  "$SOURCE/src/platform/IniDocument.cpp" \
  -o "$WORK/save_loop" || fail "save_loop did not build"

STORE_DIR=$WORK/config/Frothwick
STORE=$STORE_DIR/settings.ini
mkdir -p "$STORE_DIR"
"$WORK/save_loop" init "$STORE" || fail "the first store could not be written"
[ "$("$WORK/save_loop" check "$STORE")" = initial ] || fail "the first store does not read back"

temporaries() {
  find "$STORE_DIR" -maxdepth 1 -name '.settings.ini.frothwick-save-??????' | wc -l
}

echo "-- killing the saving program $KILLS times"
declare -A seen=([initial]=0 [A]=0 [B]=0)
saves=0
caught_writing=0
for kill_number in $(seq "$KILLS"); do
  delay_ms=$((RANDOM % (MAX_DELAY_MS + 1)))
  "$WORK/save_loop" loop "$STORE" >"$WORK/saves" 2>"$WORK/errors" &
  SAVER=$!
  sleep "$(printf '0.%03d' "$delay_ms")"
  kill -KILL "$SAVER" 2>/dev/null || true
  status=0
  wait "$SAVER" 2>/dev/null || status=$?
  SAVER=""
  # A saving program that stopped by itself, rather than by the kill, met a failed save.
  [ "$status" = 137 ] || fail "kill $kill_number: the saving program ended with status $status: $(cat "$WORK/errors")"
  saves=$((saves + $(wc -l <"$WORK/saves")))
  version=$("$WORK/save_loop" check "$STORE" 2>&1) ||
    fail "kill $kill_number after $delay_ms ms: the store is not whole: $version"
  seen[$version]=$((seen[$version] + 1))
  left=$(temporaries)
  if [ "$left" -gt 1 ]; then
    ls -la "$STORE_DIR" >&2
    fail "kill $kill_number: $left temporary files are left in the settings folder; killed saves pile them up"
  fi
  caught_writing=$((caught_writing + left))
done

echo "$saves saves completed; after the kills the store held the first store ${seen[initial]} times," \
  "version A ${seen[A]} times and version B ${seen[B]} times; $caught_writing kills caught a save writing its file"
# The kills must really have met saves: completed ones, of both versions, and unfinished ones.
[ "${seen[A]}" -gt 0 ] && [ "${seen[B]}" -gt 0 ] || fail "the saves never got through: the test did not test"
[ "$caught_writing" -gt 0 ] || fail "no kill came while a save was writing: the test did not test"

echo "-- a save still writing keeps its temporary file"
# Two saves at once (two copies of the game closing together): the clean-up of one must not take
# the file the other is writing, which holds a lock on it; once that one is gone, its file goes too.
LIVE=$STORE_DIR/.settings.ini.frothwick-save-Live01
# The holder is a subshell that keeps the lock itself, with no long-lived child that would outlive it.
(
  exec 9>"$LIVE"
  flock --exclusive 9
  touch "$WORK/locked"
  while :; do sleep 0.1; done
) </dev/null >/dev/null 2>&1 &
HOLDER=$!
for _ in $(seq 50); do
  [ -e "$WORK/locked" ] && break
  sleep 0.1
done
[ -e "$WORK/locked" ] || fail "the living save's stand-in could not lock its file"
"$WORK/save_loop" init "$STORE" || fail "a save beside a living one failed"
[ -e "$LIVE" ] || fail "a save removed the temporary file of a save still writing"
kill "$HOLDER"
wait "$HOLDER" 2>/dev/null || true
HOLDER=""
sleep 0.3 # its last short sleep, which shares the lock, ends too
"$WORK/save_loop" init "$STORE" || fail "a save failed"
[ ! -e "$LIVE" ] || fail "the temporary file of a save that is gone was kept"
[ "$(temporaries)" = 0 ] || fail "temporary files are left after a save with no kill"
echo "1 passed, 0 failed"
