#!/usr/bin/env bash
# A minute of generated stores for the settings reader, from real ones (tests/fuzz/seeds), under
# libFuzzer with AddressSanitizer, leak checking and UndefinedBehaviorSanitizer: any crash, leak,
# undefined behaviour, hang, or store that does not read back what it was written with fails.
# Arguments: the game binary, the assets folder, the build folder, the source folder.
set -euo pipefail
SOURCE=$4
WORK=$(mktemp -d /tmp/frothwick-fuzz.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
clang++ -std=c++20 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -fno-omit-frame-pointer -I "$SOURCE/src" "$SOURCE/src/platform/IniDocument.cpp" \
  "$SOURCE/tests/fuzz/fuzz_settings.cpp" -o "$WORK/fuzz_settings"
# The fuzzer adds what it finds to its corpus: it works on a copy of the seeds. Finding leaks is the
# point here, though ctest turns leak checking off for the game's scripts.
mkdir "$WORK/corpus" "$WORK/artifacts"
cp "$SOURCE"/tests/fuzz/seeds/*.ini "$WORK/corpus/"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 timeout 240 \
  "$WORK/fuzz_settings" -max_total_time=60 -timeout=10 -artifact_prefix="$WORK/artifacts/" "$WORK/corpus" \
  >"$WORK/log" 2>&1 && [ -z "$(ls "$WORK/artifacts")" ] && grep -qE 'Done [0-9]+ runs' "$WORK/log" || {
  tail -60 "$WORK/log" >&2
  for artifact in "$WORK"/artifacts/*; do
    [ -e "$artifact" ] && echo "FAILED on this input, as hex:" >&2 && head -c 512 "$artifact" | od -A x -t x1z >&2
  done
  echo "FAILED: the fuzzer stopped early, or found the input above" >&2 && exit 1
}
echo "$(grep -oE 'Done [0-9]+ runs' "$WORK/log"), $(ls "$WORK/corpus" | wc -l) stores in the corpus at the end"
echo "1 passed, 0 failed"
