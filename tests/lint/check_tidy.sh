#!/usr/bin/env bash
# clang-tidy, with the project's .clang-tidy, over every source the build folder compiles from src/,
# tests/ and bench/; any finding fails.
# Usage: check_tidy.sh <build folder> <source folder>
set -euo pipefail
BUILD=$1
SOURCE=$2
OUT=$(mktemp)
trap 'rm -f "$OUT"' EXIT
# run-clang-tidy colours its findings; the colour codes are taken out before reading them.
run-clang-tidy -p "$BUILD" -quiet -j "$(nproc)" "^$SOURCE/(src|tests|bench)/" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' >"$OUT" || true
if grep -E ': (warning|error): ' "$OUT"; then
  echo "clang-tidy found the above"
  exit 1
fi
echo "clang-tidy: no findings"
