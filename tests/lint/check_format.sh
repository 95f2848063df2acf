#!/usr/bin/env bash
# Every C and C++ source is formatted as the root .clang-format says. Usage: check_format.sh <source folder>
set -euo pipefail
cd "$1"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' '*.hpp' '*.c' 2>/dev/null || find src tests bench tools -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.c')
[ "${#sources[@]}" -gt 0 ] || { echo "no sources found in $1"; exit 1; }
clang-format --dry-run --Werror "${sources[@]}"
echo "${#sources[@]} sources formatted"
