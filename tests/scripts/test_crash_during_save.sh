#!/usr/bin/env bash
# A save killed at any moment leaves the old store or a new one, whole, and no pile of temporary
# files. The game saves too rarely to be killed two hundred times: save_loop.cpp saves over and over.
# Arguments: the game binary, the assets folder, the build folder, the source folder.
set -euo pipefail
SOURCE=$4
WORK=$(mktemp -d /tmp/frothwick-crash.XXXXXX)
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; wait; rm -rf "$WORK"' EXIT
fail() { echo "FAILED: $*" >&2 && exit 1; }
g++ -std=c++20 -O2 -Wall -Wextra -Werror -I "$SOURCE/src" "$SOURCE/tests/scripts/save_loop.cpp" \
  "$SOURCE"/src/platform/{FileSettingsStore,StoreFiles,IniDocument}.cpp -o "$WORK/save_loop"
DIR=$WORK/config/Frothwick
STORE=$DIR/settings.ini
mkdir -p "$DIR"
"$WORK/save_loop" init "$STORE" && [ "$("$WORK/save_loop" check "$STORE")" = I ] || fail "no first store"
temporaries() { find "$DIR" -maxdepth 1 -name '.settings.ini.frothwick-save-??????' | wc -l; }

# Kills up to 20 ms in land before, inside and between saves of about 200 KB.
declare -A seen=([I]=0 [A]=0 [B]=0)
caught_writing=0
for kill_number in $(seq 200); do
  "$WORK/save_loop" loop "$STORE" 2>"$WORK/errors" &
  sleep "$(printf '0.%03d' $((RANDOM % 21)))"
  kill -KILL $! 2>/dev/null || true
  status=0
  wait $! 2>/dev/null || status=$?
  [ "$status" = 137 ] || fail "kill $kill_number: a save failed by itself ($status): $(cat "$WORK/errors")"
  version=$("$WORK/save_loop" check "$STORE" 2>&1) || fail "kill $kill_number: $version"
  seen[$version]=$((seen[$version] + 1))
  left=$(temporaries)
  [ "$left" -le 1 ] || fail "kill $kill_number: $left temporary files pile up: $(ls -A "$DIR")"
  caught_writing=$((caught_writing + left))
done
echo "the store was found ${seen[I]} times first, ${seen[A]} times A, ${seen[B]} times B; $caught_writing kills hit a write"
[ "${seen[A]}" -gt 0 ] && [ "${seen[B]}" -gt 0 ] && [ "$caught_writing" -gt 0 ] ||
  fail "the kills did not meet both finished and unfinished saves: the test did not test"

# Two copies of the game closing together: a save's clean-up must not take the temporary file of a
# save still writing, which holds a lock on it; once that one is gone, its file goes too.
LIVE=$DIR/.settings.ini.frothwick-save-Live01
(
  exec 9>"$LIVE"
  flock --exclusive 9
  touch "$WORK/locked"
  while :; do sleep 0.1 9>&-; done # the lock is the holder's alone
) </dev/null >/dev/null 2>&1 &
HOLDER=$!
for _ in $(seq 50); do [ -e "$WORK/locked" ] && break || sleep 0.1; done
"$WORK/save_loop" init "$STORE" && [ -e "$LIVE" ] || fail "a save took the file of a save still writing"
kill "$HOLDER" && wait "$HOLDER" 2>/dev/null || true
"$WORK/save_loop" init "$STORE" && [ "$(temporaries)" = 0 ] || fail "the file of a save that is gone was kept"
echo "1 passed, 0 failed"
