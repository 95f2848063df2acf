#!/usr/bin/env bash
# Records the scenario traces again from a built test binary, then says what changed in each, event
# by event, so a new recording is read before it is committed: tests/data/record.sh [build folder]
set -euo pipefail
DATA=$(cd "$(dirname "$0")" && pwd)
OLD=$(mktemp -d /tmp/frothwick-traces.XXXXXX)
trap 'rm -rf "$OLD"' EXIT
cp "$DATA"/*.trace "$OLD"/
FROTHWICK_RECORD=1 "${1:-build}/frothwick_tests" --gtest_filter='Scenario.*' >/dev/null || true
for new in "$DATA"/*.trace; do
  old=$OLD/$(basename "$new")
  cmp -s "$old" "$new" && continue
  echo "== $(basename "$new" .trace)"
  # The same words at other times are an event moved; words only before or only after, one removed
  # or added. Each is listed with its times in milliseconds from the session's start.
  diff "$old" "$new" | awk '
    /^[<>] / { side = $1; at = $2; $1 = $2 = ""; sub(/^ +/, ""); times[side, $0] = times[side, $0] " " at; seen[$0] = 1 }
    END {
      for (event in seen) {
        before = times["<", event]; after = times[">", event]
        if (before != "" && after != "") print "moved  " event "   (at" before " -> at" after ")"
        else if (before != "") print "removed" before "  " event
        else print "added  " after "  " event
      }
    }' | sort -k2 -n
done
