#!/usr/bin/env bash
# clang-tidy, with the project's .clang-tidy, over every source the build folder compiles from src/,
# tests/ and bench/; any finding fails. Usage: check_tidy.sh <build folder> <source folder>
set -euo pipefail
# run-clang-tidy colours its findings; the colour codes are taken out before reading them.
findings=$(run-clang-tidy -p "$1" -quiet -j "$(nproc)" "^$2/(src|tests|bench)/" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' |
  grep -E ': (warning|error): ' || true)
[ -z "$findings" ] || { echo "$findings" && echo "clang-tidy found the above" && exit 1; }
echo "clang-tidy: no findings"
