#!/usr/bin/env bash
# clang-tidy, with the project's .clang-tidy, over every source the build folder compiles from src/,
# tests/ and bench/ (or from the folders a pattern names); any finding fails.
# Usage: check_tidy.sh <build folder> <source folder> [<folders pattern> <cross compiler>]
# A cross build (the Windows game) is read with its compiler's C++ library and system headers and
# clang's own intrinsics: GCC's intrinsic headers do not parse as clang.
set -euo pipefail
folders=${3:-(src|tests|bench)/}
extra=()
if [ -n "${4:-}" ]; then
  extra=(-extra-arg="--target=$("$4" -dumpmachine)" -extra-arg=-nostdinc++)
  while read -r dir; do extra+=(-extra-arg="-isystem$dir"); done < <("$4" -xc++ -E -v - </dev/null 2>&1 |
    sed -n '/<...> search starts here/,/End of search list/p' | grep -E '^ /.*(c\+\+|-mingw32/include)')
fi
# run-clang-tidy colours its findings; the colour codes are taken out before reading them.
findings=$(run-clang-tidy -p "$1" -quiet -j "$(nproc)" "${extra[@]}" "^$2/$folders" 2>&1 |
  sed 's/\x1b\[[0-9;]*m//g' | grep -E ': (warning|error): ' || true)
[ -z "$findings" ] || { echo "$findings" && echo "clang-tidy found the above" && exit 1; }
echo "clang-tidy: no findings"
