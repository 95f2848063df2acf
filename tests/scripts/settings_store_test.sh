#!/usr/bin/env bash
# The settings store against the worst: a save killed at any moment leaves a whole store and no pile of
# temporary files; a minute of generated stores under libFuzzer and sanitizers finds no crash, leak,
# undefined behaviour, hang or value that does not read back. Arguments: game, assets, build, source.
set -euo pipefail
SOURCE=$4
WORK=$(mktemp -d /tmp/frothwick-store.XXXXXX)
trap 'kill -KILL $(jobs -p) 2>/dev/null || true; wait; rm -rf "$WORK"' EXIT
fail() { echo "FAILED: $*" >&2 && exit 1; }

# The game saves too rarely to be killed two hundred times: save_loop.cpp saves over and over. The build
# makes it, and the fuzz target, beside the game.
SAVE_LOOP=$3/frothwick_save_loop FUZZ=$3/frothwick_fuzz_settings
for program in "$SAVE_LOOP" "$FUZZ"; do
  [ -x "$program" ] || fail "$program is missing (the build makes it where clang is installed)"
done
DIR=$WORK/config/Frothwick
STORE=$DIR/settings.ini
mkdir -p "$DIR"
"$SAVE_LOOP" init "$STORE" && [ "$("$SAVE_LOOP" check "$STORE")" = I ] || fail "no first store"
temporaries() { find "$DIR" -maxdepth 1 -name '.settings.ini.frothwick-save-??????' | wc -l; }
# Kills up to 20 ms in land before, inside and between saves of about 200 KB.
declare -A seen=([I]=0 [A]=0 [B]=0) && caught_writing=0
for kill_number in $(seq 200); do
  "$SAVE_LOOP" loop "$STORE" 2>"$WORK/errors" &
  sleep "$(printf '0.%03d' $((RANDOM % 21)))"
  kill -KILL $! 2>/dev/null || true
  status=0
  wait $! 2>/dev/null || status=$?
  [ "$status" = 137 ] || fail "kill $kill_number: a save failed by itself ($status): $(cat "$WORK/errors")"
  version=$("$SAVE_LOOP" check "$STORE" 2>&1) || fail "kill $kill_number: $version"
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
# The lock is the holder's alone: its sleeps do not inherit it.
(exec 9>"$LIVE" && flock --exclusive 9 && touch "$WORK/locked" && while :; do sleep 0.1 9>&-; done) \
  </dev/null >/dev/null 2>&1 &
HOLDER=$!
for _ in $(seq 50); do [ -e "$WORK/locked" ] && break || sleep 0.1; done
"$SAVE_LOOP" init "$STORE" && [ -e "$LIVE" ] || fail "a save took the file of a save still writing"
kill "$HOLDER" && wait "$HOLDER" 2>/dev/null || true
"$SAVE_LOOP" init "$STORE" && [ "$(temporaries)" = 0 ] || fail "the file of a save that is gone was kept"

# The fuzzer works on a copy of the real stores in tests/fuzz/seeds, as it adds what it finds. Finding
# leaks is the point here, though ctest turns leak checking off for the game's scripts.
mkdir "$WORK/corpus" "$WORK/artifacts"
cp "$SOURCE"/tests/fuzz/seeds/*.ini "$WORK/corpus/"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 timeout 240 \
  "$FUZZ" -max_total_time=60 -timeout=10 -artifact_prefix="$WORK/artifacts/" "$WORK/corpus" \
  >"$WORK/log" 2>&1 && [ -z "$(ls "$WORK/artifacts")" ] && grep -qE 'Done [0-9]+ runs' "$WORK/log" || {
  tail -60 "$WORK/log" && find "$WORK/artifacts" -type f -exec od -A x -t x1z {} + | head -40
  fail "the fuzzer stopped early, or found the input shown last, in hex"
} >&2
echo "$(grep -oE 'Done [0-9]+ runs' "$WORK/log"), $(ls "$WORK/corpus" | wc -l) stores in the corpus at the end"
echo "1 passed, 0 failed"
