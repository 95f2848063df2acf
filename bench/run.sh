#!/usr/bin/env bash
# Runs every benchmark and prints one markdown table of figures beside their targets.
# Usage: bench/run.sh BUILD   (as `make bench` calls it, after building with FROTHWICK_BENCH=ON)
#   BUILD  the build folder: the game, and the benchmarks' own programs beside it: the same game
#          whose waits poll without sleeping (the yardstick for idle cost), the game that reports
#          its first frame, step_cadence, engine_throughput and wait_loop (a bare 80 ms wait, the
#          floor for the game's processor time)
# Builds nothing. Needs Xvfb and xdotool, as the real-window tests do.
set -euo pipefail

BUILD=${1:?usage: bench/run.sh BUILD}
PLAY_SECONDS=${PLAY_SECONDS:-30}
STARTS=${STARTS:-10}
WORK=$(mktemp -d /tmp/frothwick-bench.XXXXXX)
XVFB_PID=""
GAME_PID=""
export SDL_AUDIODRIVER=dummy

source "$(dirname "${BASH_SOURCE[0]}")/../tests/window/xserver.sh"
trap end_x_session EXIT

die() {
  echo "bench: $*" >&2
  exit 1
}

for program in frothwick frothwick_polling_game frothwick_first_frame_game step_cadence engine_throughput wait_loop; do
  program=$BUILD/$program
  [ -x "$program" ] || die "$program is missing: run \`make bench\`"
done

# An X server of our own, so nothing the player has open is disturbed.
start_x() {
  start_xvfb "$WORK" || die "no X server could be started"
}

# Each run starts from no settings: a fresh configuration folder.
fresh_config() {
  XDG_CONFIG_HOME=$(mktemp -d "$WORK/config.XXXXXX")
  export XDG_CONFIG_HOME
}

stop_game() {
  kill -TERM "$GAME_PID" 2>/dev/null || true
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
}

# Time on the processor of all a process's threads, in nanoseconds (finer than utime + stime's ticks).
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat | awk '{ t += $1 } END { printf "%.0f\n", t }'
}

# Whether the board changes over half a second: the beer falls while a game runs.
board_moving() {
  local win=$1
  /usr/bin/import -window "$win" "PNG24:$WORK/a.png"
  sleep 0.5
  /usr/bin/import -window "$win" "PNG24:$WORK/b.png"
  local diff
  diff=$(/usr/bin/compare -metric AE "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d' ' -f1 || true)
  [ "$diff" != 0 ]
}

# Starts a game binary, clicks New, lets it play unattended, and prints
# "<cpu ns> <VmHWM kB> <game running at the end: yes|no>". SCALE=N plays it at N x.
play() {
  local game=$1 scale=${SCALE:-1}
  fresh_config
  FROTHWICK_SCALE=$scale "$game" >"$WORK/game.out" 2>&1 &
  GAME_PID=$!
  local win
  win=$(find_window Frothwick 20) || die "the window of $game did not appear"
  sleep 0.5
  # shellcheck disable=SC2034 # getwindowgeometry sets all six
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$win")"
  [ "$WIDTH" = $((687 * scale)) ] && [ "$HEIGHT" = $((510 * scale)) ] || die "the window of $game is ${WIDTH}x${HEIGHT}"
  xdotool mousemove --sync $((X + 594 * scale)) $((Y + 256 * scale)) click 1
  xdotool mousemove --sync 0 0 # off the window, so no tool tip is pending
  local before after
  before=$(cpu_ns "$GAME_PID")
  sleep "$PLAY_SECONDS"
  after=$(cpu_ns "$GAME_PID")
  local hwm running=no
  hwm=$(awk '/^VmHWM:/ { print $2 }' "/proc/$GAME_PID/status")
  if board_moving "$win"; then
    running=yes
  fi
  if [ "${KEEP_SMAPS:-}" != "" ]; then
    cp "/proc/$GAME_PID/smaps" "$KEEP_SMAPS"
  fi
  stop_game
  echo "$((after - before)) $hwm $running"
}

# Runs the bare wait loop as long as a game is played and prints its processor time in ns.
idle() {
  "$BUILD/wait_loop" >"$WORK/idle.out" 2>&1 &
  GAME_PID=$!
  sleep 0.5
  local before after
  before=$(cpu_ns "$GAME_PID")
  sleep "$PLAY_SECONDS"
  after=$(cpu_ns "$GAME_PID")
  # It has no window to close on a request to end; it is simply stopped.
  kill -KILL "$GAME_PID"
  wait "$GAME_PID" 2>/dev/null || true
  GAME_PID=""
  echo "$((after - before))"
}

# Launches the game N times and prints how long each took to put its first frame on the screen, and
# the processor time it had used by then: "<wall ms> <processor ms>" a line.
startups() {
  local i line
  for i in $(seq "$STARTS"); do
    fresh_config
    # The launch moment is read in the forked shell just before it becomes the game.
    FROTHWICK_LAUNCHED_NS=${EPOCHREALTIME/./}000 "$BUILD/frothwick_first_frame_game" >/dev/null 2>"$WORK/start.err" &
    GAME_PID=$!
    line=""
    for _ in $(seq 200); do
      line=$(grep -m1 '^first frame after ' "$WORK/start.err" || true)
      [ -n "$line" ] && break
      sleep 0.05
    done
    stop_game
    [ -n "$line" ] || die "start $i showed no frame: $(cat "$WORK/start.err")"
    echo "$line" | awk '{ print $4, $6 }'
  done
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

yes_no() {
  awk -v ok="$1" 'BEGIN { print (ok ? "yes" : "**no**") }'
}

start_x

echo "bench: ${PLAY_SECONDS} s of play in the normal build..." >&2
KEEP_SMAPS="$WORK/smaps" play "$BUILD/frothwick" >"$WORK/play"
read -r cpu hwm running <"$WORK/play"
echo "bench: ${PLAY_SECONDS} s of play in the polling build..." >&2
play "$BUILD/frothwick_polling_game" >"$WORK/play"
read -r pcpu phwm prunning <"$WORK/play"
echo "bench: ${PLAY_SECONDS} s of a bare 80 ms wait loop..." >&2
icpu=$(idle)

echo "bench: step cadence..." >&2
fresh_config
cadence=$("$BUILD/step_cadence" 100 300)

echo "bench: $STARTS starts..." >&2
startups >"$WORK/starts"

echo "bench: engine throughput..." >&2
# Bounded, so that a game that stops waiting for input on the test host cannot hold up the table.
timeout 60 "$BUILD/engine_throughput" 100 1 >"$WORK/throughput" || echo "throughput 100 - - - -" >"$WORK/throughput"
read -r _ games steps virtual_ms real_ms per_second <"$WORK/throughput"

echo "bench: ${PLAY_SECONDS} s of play at 3x on a 4K screen..." >&2
kill "$XVFB_PID" && wait "$XVFB_PID" 2>/dev/null || true
start_xvfb "$WORK" 3840x2160x24 || die "no 4K X server could be started"
SCALE=3 play "$BUILD/frothwick" >"$WORK/play"
read -r cpu3 hwm3 running3 <"$WORK/play"

# ---- Figures ----------------------------------------------------------------------------------
pct() { awk -v t="$1" -v s="$PLAY_SECONDS" 'BEGIN { printf "%.2f", 100 * t / 1e9 / s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1fx", a / (b > 0 ? b : 1) }'; }
ok() { awk "BEGIN { print (($1) ? \"yes\" : \"**no**\") }"; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

cadence_cell() {
  echo "$cadence" | awk -v d="$1" '$2 == d {
    printf "mean %+.2f, p99 %+.2f, max %+.2f ms late; %d of %d early", $4, $5, $6, $7, $3 }'
}
cadence_ok() {
  echo "$cadence" | awk -v d="$1" '$2 == d { print ($5 <= 0.5 && $7 == 0) ? "yes" : "**no**" }'
}
starts_cell() {
  local wall
  wall=$(cut -d' ' -f1 "$1")
  printf "%s ms (%s–%s); processor %s ms" "$(median <<<"$wall")" "$(sort -n <<<"$wall" | head -1)" \
    "$(sort -n <<<"$wall" | tail -1)" "$(cut -d' ' -f2 "$1" | median)"
}

# What the resident memory is made of, from the game's own map of it after the game.
resident_by_kind() {
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6) ? $6 : "[anonymous]"; next }
    /^Rss:/ { rss[name] += $2 }
    END {
      for (n in rss) {
        if (n ~ /frothwick$/) kind = "the game"
        else if (n ~ /libLLVM|dri|libgallium|libGL|libEGL|libglapi|libgbm|libdrm|libvulkan/) kind = "Mesa/OpenGL"
        else if (n ~ /libSDL2/) kind = "SDL2"
        else if (n ~ /libX|libxcb/) kind = "X11"
        else if (n ~ /^\[heap\]$|^\[anonymous\]$/) kind = "heap (pictures, surfaces)"
        else if (n ~ /libstdc|libc\.so|libm\.so|ld-linux/) kind = "C/C++ runtime"
        else if (n ~ /\.so/) kind = "other libraries"
        else kind = "other"
        by[kind] += rss[n]
      }
      for (k in by) printf "%.1f MB %s\n", by[k] / 1024, k
    }' "$1" | sort -rn | head -4 | paste -sd ';' | sed 's/;/, /g'
}

cm=$(cut -d' ' -f1 "$WORK/starts" | median)
cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
cpu_max=$((PLAY_SECONDS * 2500000)) # 0.25 % of a core in ns

# ---- Table ------------------------------------------------------------------------------------
echo
echo "| Measure | Frothwick | Polling build | Target | Met |"
echo "|---|---|---|---|---|"
echo "| Processor while playing (${PLAY_SECONDS} s game, own CPU time) | $(pct "$cpu") % of a core | $(pct "$pcpu") % | ≤ 0.25 % of a core | $(ok "$cpu <= $cpu_max") |"
echo "| Processor while playing at 3x (${PLAY_SECONDS} s game, Xvfb 3840x2160) | $(pct "$cpu3") % of a core | | ≤ 1.5 × the 1x figure | $(ok "2 * $cpu3 <= 3 * $cpu") |"
echo "| Bare 80 ms wait loop, same run (${PLAY_SECONDS} s) | $(pct "$icpu") % of a core | | floor | |"
echo "| Frothwick ÷ bare wait loop, processor time | $(ratio "$cpu" "$icpu") | | ≤ 2x | $(ok "$cpu <= 2 * $icpu") |"
echo "| Polling build ÷ Frothwick, processor time | $(ratio "$pcpu" "$cpu") | 1x | ≥ 200x | $(ok "$pcpu >= 200 * $cpu") |"
echo "| Step lateness at 80 ms (100 waits) | $(cadence_cell 80) | | p99 ≤ 0.5 ms late, none early | $(cadence_ok 80) |"
echo "| Step lateness at 12 ms (300 waits) | $(cadence_cell 12) | | p99 ≤ 0.5 ms late, none early | $(cadence_ok 12) |"
echo "| Start-up to first frame, median of ${STARTS} (min–max; processor time, median) | $(starts_cell "$WORK/starts") | | ≤ 35 ms | $(ok "$cm <= 35") |"
echo "| Peak resident size after the game (VmHWM) | $(mb "$hwm") MB | $(mb "$phwm") MB | ≤ 20 MB | $(ok "$hwm <= 20 * 1024") |"
echo "| Engine throughput on the test host, ${games} games without input | ${per_second} steps/s (${steps} steps, $(awk -v v="$virtual_ms" 'BEGIN { print (v == "-") ? "-" : int(v / 1000) }') virtual s in ${real_ms} ms) | | figure only | |"
echo
echo "- Processor: time on the processor of all the game's threads (schedstat) over ${PLAY_SECONDS} s after a click on New: Frothwick $((cpu / 1000000)) ms, polling $((pcpu / 1000000)) ms, bare wait loop $((icpu / 1000000)) ms. At 3x $((cpu3 / 1000000)) ms, peak resident size $(mb "$hwm3") MB (the window's own surface is 9 times the size). Game still running at the end: ${running}, ${prunning}, ${running3}."
echo "- Resident memory by kind: $(resident_by_kind "$WORK/smaps")."
echo "- Step lateness: through the real SDL host's Delay in Xvfb, the steady clock's time at which the wait ended minus its deadline, the moment the game's millisecond clock reached the start tick plus the delay."
echo "- Machine: $(nproc) × ${cpu_model}; load average at the end $(cut -d' ' -f1-3 /proc/loadavg); Xvfb 1024x768x24 (3840x2160x24 for the 3x row)."
