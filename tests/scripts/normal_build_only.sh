# Scripts that bring their own checks run once, in the normal build folder; in the sanitizer one they
# say why and end with the code CTest reports as Skipped (SKIP_RETURN_CODE in tests/CMakeLists.txt).
# Usage: run_in_normal_build_only <build folder> <why>
run_in_normal_build_only() {
  if grep -q '^FROTHWICK_SANITIZE:BOOL=ON' "$1/CMakeCache.txt" 2>/dev/null; then
    echo "skipped in the sanitizer build folder: $2"
    exit 77
  fi
}
