#!/usr/bin/env bash
# Feeds the settings reader a minute of generated stores, starting from real ones (the game's own
# saved store, a hand-edited one with junk, comments, duplicate keys and missing quotes), under
# libFuzzer with AddressSanitizer, leak checking and UndefinedBehaviorSanitizer. Any crash, leak,
# undefined behaviour, hang, or store that does not read back what it was written with fails.
#
# Arguments: the game binary, the assets folder, the build folder, the source folder. The fuzzer is
# built here with clang++ and carries its own sanitizers, so it runs once: in the normal build
# folder, and is skipped in the sanitizer one.
set -euo pipefail

BUILD=$3
SOURCE=$4
FUZZ_SECONDS=60
# Room for building the target and for libFuzzer to stop after its last input.
WALL_LIMIT_SECONDS=240
# One input that takes this long is a hang.
INPUT_LIMIT_SECONDS=10

source "$(dirname "$0")/normal_build_only.sh"
run_in_normal_build_only "$BUILD" "the fuzz target brings its own sanitizers and runs in the normal one"

WORK=$(mktemp -d /tmp/frothwick-fuzz.XXXXXX)
trap '[ -n "${KEEP:-}" ] || rm -rf "$WORK"' EXIT

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

echo "-- building the fuzz target"
clang++ -std=c++20 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -fno-omit-frame-pointer -I "$SOURCE/src" "$SOURCE/src/platform/IniDocument.cpp" \
  "$SOURCE/tests/fuzz/fuzz_settings.cpp" -o "$WORK/fuzz_settings" || fail "the fuzz target did not build"

# The fuzzer adds what it finds to its corpus: it works on a copy, never on the seeds in the tree.
mkdir "$WORK/corpus" "$WORK/artifacts"
cp "$SOURCE"/tests/fuzz/seeds/*.ini "$WORK/corpus/"
[ "$(ls "$WORK/corpus" | wc -l)" -gt 0 ] || fail "no seed files in tests/fuzz/seeds"

echo "-- fuzzing the settings reader for $FUZZ_SECONDS s"
status=0
# ctest turns leak checking off for the game's scripts; here finding leaks is the point.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  timeout "$WALL_LIMIT_SECONDS" "$WORK/fuzz_settings" -max_total_time="$FUZZ_SECONDS" \
  -timeout="$INPUT_LIMIT_SECONDS" -print_final_stats=1 -artifact_prefix="$WORK/artifacts/" \
  "$WORK/corpus" >"$WORK/log" 2>&1 || status=$?

runs=$(grep -oE 'Done [0-9]+ runs' "$WORK/log" | grep -oE '[0-9]+' || true)
if [ "$status" != 0 ] || [ -n "$(ls "$WORK/artifacts")" ] || [ -z "$runs" ]; then
  tail -60 "$WORK/log" >&2
  for artifact in "$WORK"/artifacts/*; do
    [ -e "$artifact" ] || continue
    echo "input that failed ($(basename "$artifact")), as hex:" >&2
    head -c 512 "$artifact" | od -A x -t x1z >&2
  done
  fail "the fuzzer stopped with status $status"
fi
echo "$runs inputs read, $(ls "$WORK/corpus" | wc -l) stores in the corpus at the end, no crash, leak or mismatch"
echo "1 passed, 0 failed"
