#!/usr/bin/env bash
# Runs every benchmark and prints one markdown table of figures beside their targets.
# Usage: bench/run.sh BUILD   (as `make bench` calls it, after building with FROTHWICK_BENCH=ON)
#   BUILD  the build folder: the game, and the benchmarks' own programs beside it: the same game
#          whose waits poll without sleeping (the yardstick for idle cost), the game that reports
#          its first frame, the start-up floor, launch_watch (the watcher that times every
#          program's launch to its window), step_cadence, engine_throughput and wait_loop (a bare
#          80 ms wait, the floor for the game's processor time)
# Builds nothing. Needs Xvfb and xdotool, as the real-window tests do, and LTris and Quadrapassel,
# which `make bench` installs.
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

for program in frothwick frothwick_polling_game frothwick_first_frame_game frothwick_start_floor launch_watch \
  step_cadence engine_throughput wait_loop; do
  program=$BUILD/$program
  [ -x "$program" ] || die "$program is missing: run \`make bench\`"
done
for program in /usr/games/ltris /usr/games/quadrapassel; do
  [ -x "$program" ] || die "$program is missing: run \`make bench\`, which installs it"
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
  stop_game
  echo "$((after - before))"
}

# The programs of the start-up comparison, by the names the table gives them: the game (the build
# that reports its first frame), the floor (the game's SDL set-up and window alone) and two other
# falling-block games of Debian's, at their first screen.
declare -A LAUNCH=(
  [frothwick]="$BUILD/frothwick_first_frame_game"
  [floor]="$BUILD/frothwick_start_floor"
  [ltris]=/usr/games/ltris
  [quadrapassel]=/usr/games/quadrapassel
)
LAUNCH_ORDER="ltris quadrapassel frothwick floor"
SETTLE_MS=${SETTLE_MS:-1000}

# Launches every program STARTS times, one after another in turn, so that a change in the machine's
# load meets them all alike; each launch is a fresh process with a fresh home and configuration folder.
# The X server and the kernel are still tearing the last program down for a few milliseconds after it
# ended (after Quadrapassel, 4-5 ms of the next launch): so each launch waits a moment after the last,
# and each round starts one program further on, so that no program always follows the same one.
# Appends "<ms to the mapped window> <VmHWM kB at the first screen>" to WORK/launch.<name>, and the
# first frame the game and the floor report to WORK/frame.<name>.
launches() {
  local -a order
  read -r -a order <<<"$LAUNCH_ORDER"
  local i k name home
  for i in $(seq "$STARTS"); do
    for k in "${!order[@]}"; do
      name=${order[$(((i + k) % ${#order[@]}))]}
      home=$(mktemp -d "$WORK/home.XXXXXX")
      sleep 0.5
      HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache \
        "$BUILD/launch_watch" "$SETTLE_MS" "${LAUNCH[$name]}" >>"$WORK/launch.$name" 2>"$WORK/launch.err" ||
        die "launch $i of $name: $(tail -3 "$WORK/launch.err")"
      grep -m1 '^first frame after ' "$WORK/launch.err" | awk '{ print $4, $6 }' >>"$WORK/frame.$name" || true
      rm -rf "$home"
    done
  done
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

start_x

# The game and its yardstick, the bare wait loop, are timed in turn, a third of the time each round,
# so that a change in the machine's state (another program, a warmer processor) meets both alike.
cpu=0 icpu=0
for round in 1 2 3; do
  echo "bench: round $round of 3: $((PLAY_SECONDS / 3)) s of play, then of a bare 80 ms wait loop..." >&2
  KEEP_SMAPS="$WORK/smaps" PLAY_SECONDS=$((PLAY_SECONDS / 3)) play "$BUILD/frothwick" >"$WORK/play"
  read -r round_cpu hwm running <"$WORK/play"
  cpu=$((cpu + round_cpu))
  icpu=$((icpu + $(PLAY_SECONDS=$((PLAY_SECONDS / 3)) idle)))
done
echo "bench: ${PLAY_SECONDS} s of play in the polling build..." >&2
play "$BUILD/frothwick_polling_game" >"$WORK/play"
read -r pcpu phwm prunning <"$WORK/play"

echo "bench: step cadence..." >&2
fresh_config
cadence=$("$BUILD/step_cadence" 100 300)

echo "bench: $STARTS launches of each of $LAUNCH_ORDER, in turn..." >&2
launches

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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / (b > 0 ? b : 1) }'; }
ok() { awk "BEGIN { print (($1) ? \"yes\" : \"**no**\") }"; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

cadence_cell() {
  echo "$cadence" | awk -v d="$1" '$2 == d {
    printf "mean %+.2f, p99 %+.2f, max %+.2f ms late; %d of %d early", $4, $5, $6, $7, $3 }'
}
cadence_ok() {
  echo "$cadence" | awk -v d="$1" '$2 == d { print ($5 <= 0.5 && $7 == 0) ? "yes" : "**no**" }'
}
# Median of a column of a file of figures.
median_of() { cut -d' ' -f"$2" "$1" | median; }
# "median ms (min–max)" of a column.
spread() {
  printf "%s ms (%s–%s)" "$(median_of "$1" "$2")" "$(cut -d' ' -f"$2" "$1" | sort -n | head -1)" \
    "$(cut -d' ' -f"$2" "$1" | sort -n | tail -1)"
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

for name in $LAUNCH_ORDER; do
  declare "map_$name=$(median_of "$WORK/launch.$name" 1)" "hwm_$name=$(median_of "$WORK/launch.$name" 2)"
done
frame_game=$(median_of "$WORK/frame.frothwick" 1)
frame_floor=$(median_of "$WORK/frame.floor" 1)
cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)

# ---- Table ------------------------------------------------------------------------------------
# Every target is a ratio to a yardstick measured in the same run, so that it says the same on a
# slower or a busier machine; the absolute figures are there to read.
echo
echo "| Measure | Frothwick | Yardstick, same run | Ratio | Target | Met |"
echo "|---|---|---|---|---|---|"
echo "| Launch to a mapped window, median of ${STARTS} (min–max) | $(spread "$WORK/launch.frothwick" 1) | LTris $(spread "$WORK/launch.ltris" 1) | $(ratio "$map_frothwick" "$map_ltris") | ≤ 0.8x | $(ok "$map_frothwick <= 0.8 * $map_ltris") |"
echo "| Launch to a mapped window, against the start-up floor | | floor $(spread "$WORK/launch.floor" 1) | $(ratio "$map_frothwick" "$map_floor") | ≤ 1.3x | $(ok "$map_frothwick <= 1.3 * $map_floor") |"
echo "| Launch to a mapped window, against Quadrapassel | | Quadrapassel $(spread "$WORK/launch.quadrapassel" 1) | $(ratio "$map_frothwick" "$map_quadrapassel") | figure only | |"
echo "| Launch to the first frame, as the programs report it | $(spread "$WORK/frame.frothwick" 1); processor $(median_of "$WORK/frame.frothwick" 2) ms | floor $(spread "$WORK/frame.floor" 1); processor $(median_of "$WORK/frame.floor" 2) ms | $(ratio "$frame_game" "$frame_floor") | figure only | |"
echo "| Peak resident size at the first screen (VmHWM ${SETTLE_MS} ms after the window, median) | $(mb "$hwm_frothwick") MB | LTris $(mb "$hwm_ltris") MB; Quadrapassel $(mb "$hwm_quadrapassel") MB; floor $(mb "$hwm_floor") MB | $(ratio "$hwm_frothwick" "$hwm_ltris") | ≤ 1x LTris | $(ok "$hwm_frothwick <= $hwm_ltris") |"
echo "| Processor while playing (${PLAY_SECONDS} s game, own CPU time) | $(pct "$cpu") % of a core | bare 80 ms wait loop $(pct "$icpu") % | $(ratio "$cpu" "$icpu") | ≤ 1.5x | $(ok "$cpu <= 1.5 * $icpu") |"
echo "| Processor while playing at 3x (${PLAY_SECONDS} s game, Xvfb 3840x2160) | $(pct "$cpu3") % of a core | the 1x game $(pct "$cpu") % | $(ratio "$cpu3" "$cpu") | ≤ 1.5x | $(ok "2 * $cpu3 <= 3 * $cpu") |"
echo "| Polling build, processor while playing | $(pct "$cpu") % of a core | polling build $(pct "$pcpu") % | $(ratio "$pcpu" "$cpu") | ≥ 200x | $(ok "$pcpu >= 200 * $cpu") |"
echo "| Step lateness at 80 ms (100 waits) | $(cadence_cell 80) | | | p99 ≤ 0.5 ms late, none early | $(cadence_ok 80) |"
echo "| Step lateness at 12 ms (300 waits) | $(cadence_cell 12) | | | p99 ≤ 0.5 ms late, none early | $(cadence_ok 12) |"
echo "| Peak resident size after the game (VmHWM) | $(mb "$hwm") MB | polling build $(mb "$phwm") MB | | figure only | |"
echo "| Engine throughput on the test host, ${games} games without input | ${per_second} steps/s (${steps} steps, $(awk -v v="$virtual_ms" 'BEGIN { print (v == "-") ? "-" : int(v / 1000) }') virtual s in ${real_ms} ms) | | | figure only | |"
echo
echo "- Launches: each program ${STARTS} times, in turn ($(echo "$LAUNCH_ORDER" | sed 's/ /, /g'), each round starting one further on), half a second apart, each a fresh process with a fresh home folder, on one Xvfb without a window manager. One watcher (bench/launch_watch) launches every program and times it to the server's MapNotify of its top-level window, event-driven on the steady clock (resolution well under 0.1 ms); the first frames are the game's and the floor's own reports of the same launches. The floor: the game's SDL set-up, hints and window, one black frame (bench/start_floor.cpp)."
echo "- Processor: time on the processor of all the game's threads (schedstat) over ${PLAY_SECONDS} s after a click on New (three rounds of $((PLAY_SECONDS / 3)) s, each game followed by as long of the wait loop; the polling build in one): Frothwick $((cpu / 1000000)) ms, polling $((pcpu / 1000000)) ms, bare wait loop $((icpu / 1000000)) ms. At 3x $((cpu3 / 1000000)) ms, peak resident size $(mb "$hwm3") MB (the window's own surface is 9 times the size). Game still running at the end: ${running}, ${prunning}, ${running3}."
echo "- Resident memory by kind, after the game: $(resident_by_kind "$WORK/smaps")."
echo "- Step lateness: through the real SDL host's Delay in Xvfb, the steady clock's time at which the wait ended minus its deadline, the moment the game's millisecond clock reached the start tick plus the delay."
echo "- Machine: $(nproc) × ${cpu_model}; load average at the end $(cut -d' ' -f1-3 /proc/loadavg); Xvfb 1024x768x24 (3840x2160x24 for the 3x row)."
