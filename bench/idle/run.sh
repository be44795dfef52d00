#!/usr/bin/env bash
# What the board costs while nobody touches it, under Wine, against a window
# that only waits for messages (idle_window.exe, built beside the board).
#
#   cmake --preset windows && cmake --build --preset windows -j2
#   bench/idle/run.sh [SECONDS]      # default 120; takes 2 x SECONDS + ~30 s
#
# Both programs run side by side, untouched, on a virtual display with the
# session of tests/e2e (fresh prefix, Xvfb, persistent wineserver); the board
# in a folder of its own with a notavex.ini. After a settling pause come two
# spans of SECONDS each, both programs running throughout:
#   1. untraced: CPU time (run time in ns from schedstat) and blocking waits
#      (voluntary context switches), each summed over the process's threads.
#      ptrace stops every system call of a traced process, which would count
#      as both.
#   2. under strace, attached to each program and to the wineserver:
#      - calls naming notavex.ini: every system call with the file's path as
#        an argument. Wine stats a file in the program's own process and has
#        the wineserver open it, so both are traced. Paths are printed whole
#        and buffers not at all (-s 0), so a path in a read buffer is not
#        counted;
#      - wake-ups: bursts of system calls more than 0.1 s apart.
# Figures are per minute, with the board / window ratio of the one run.
#
# Needs wine64, xvfb, x11-utils, fonts-ipafont-gothic (tools/install-deps.sh
# test) and strace. NOTAVEX_EXE, IDLE_WINDOW_EXE and NOTAVEX_DRIVER (which
# waits for the board) point at other builds; IDLE_KEEP=DIR keeps the traces
# and logs there.
set -uo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
span=${1:-120}
board_exe=${NOTAVEX_EXE:-$root/build/windows/app/notavex.exe}
window_exe=${IDLE_WINDOW_EXE:-$root/build/windows/bench/idle/idle_window.exe}
driver=${NOTAVEX_DRIVER:-$root/build/windows/tests/e2e/driver/notavex-driver.exe}
for file in "$board_exe" "$window_exe" "$driver"; do
  [ -f "$file" ] || { echo "missing $file: cmake --build --preset windows" >&2; exit 2; }
done
for tool in Xvfb xdpyinfo wine wineserver strace; do
  command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 2; }
done

# shellcheck source=../../tests/e2e/lib/session.sh
. "$root/tests/e2e/lib/session.sh"

pids=()
finish() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  if [ -n "${IDLE_KEEP:-}" ] && [ -n "$E2E_RUN_DIR" ]; then
    mkdir -p "$IDLE_KEEP" && cp "$E2E_RUN_DIR"/*.trace "$E2E_RUN_DIR"/*.log "$IDLE_KEEP/" 2>/dev/null
  fi
  session_cleanup
}
trap finish EXIT
trap 'exit 130' INT TERM

echo "Setting up Wine, then 2 x ${span} s of idle." >&2
session_make_dir
session_start_display || exit 1
session_make_prefix || exit 1
session_start_server ja_JP.UTF-8

# Runs a program in a folder of its own; wine execs into it, so $! is its pid.
start() {
  mkdir -p "$E2E_RUN_DIR/$1"
  (cd "$E2E_RUN_DIR/$1" && exec env LC_ALL="$E2E_LOCALE" wine "$2") >"$E2E_RUN_DIR/$1.log" 2>&1 &
  pids+=($!)
}
mkdir -p "$E2E_RUN_DIR/board"
printf 'winX=40\r\nwinY=40\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n' >"$E2E_RUN_DIR/board/notavex.ini"
start board "$board_exe"
start window "$window_exe"
declare -A pid=([board]=${pids[0]} [window]=${pids[1]})

# The wineserver of this prefix: other developers' prefixes have their own.
for p in $(pgrep -x wineserver64); do
  { tr '\0' '\n' <"/proc/$p/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && pid[server]=$p
done
[ -n "${pid[server]:-}" ] || { echo "no wineserver for $WINEPREFIX" >&2; exit 1; }

# Past start-up: the board shown and its first looks done.
env LC_ALL="$E2E_LOCALE" wine "$driver" wait 30000 >/dev/null 2>&1 || { echo "the board did not appear" >&2; exit 1; }
sleep 5
for name in board window; do
  kill -0 "${pid[$name]}" 2>/dev/null || { echo "$name ended early (see $E2E_RUN_DIR/$name.log)" >&2; exit 1; }
done

# Span 1, untraced. Both figures summed over the process's threads.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { print n + 0 }'; }
waits() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'; }
declare -A cpu waits
for name in board window server; do
  cpu[$name]=$(cpu_ns "${pid[$name]}") waits[$name]=$(waits "${pid[$name]}")
done
sleep "$span"
for name in board window server; do
  cpu[$name]=$(($(cpu_ns "${pid[$name]}") - cpu[$name])) waits[$name]=$(($(waits "${pid[$name]}") - waits[$name]))
done

# Span 2, traced; -f on an attached pid takes in all its threads.
tracers=()
for name in board window server; do
  timeout -s INT "$span" strace -f -qq -ttt -s 0 -o "$E2E_RUN_DIR/$name.trace" -p "${pid[$name]}" 2>/dev/null &
  tracers+=($!)
done
wait "${tracers[@]}"

# Prints: wake-ups, calls naming notavex.ini, and those calls by name. The
# first line is the call in progress when strace attached.
read_trace() {
  awk 'NR == 1 || /<detached \.\.\.>/ { next }
    $2 - last > 0.1 { wakeups++ }
    { last = $2 }
    /notavex\.ini/ { calls++; name = $3; sub(/\(.*/, "", name); by[name]++ }
    END {
      list = ""
      for (name in by) list = list (list == "" ? "" : ", ") name " " by[name]
      print wakeups + 0, calls + 0, list
    }' "$E2E_RUN_DIR/$1.trace"
}
declare -A wakeups calls kinds
for name in board window server; do
  read -r wakeups[$name] calls[$name] kinds[$name] < <(read_trace "$name")
done

per_min() { awk -v n="$1" -v s="$span" -v unit="${2:-1}" 'BEGIN { printf "%.1f", n * unit * 60 / s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.1f", a / b; else print (a > 0 ? "inf" : "-") }'; }
row() { printf '%-36s %8s %8s %8s\n' "$@"; }
row "per minute, spans of ${span} s" board window ratio
row "CPU time, ms" "$(per_min "${cpu[board]}" 1e-6)" "$(per_min "${cpu[window]}" 1e-6)" \
  "$(ratio "${cpu[board]}" "${cpu[window]}")"
row "blocking waits (voluntary switches)" "$(per_min "${waits[board]}")" "$(per_min "${waits[window]}")" \
  "$(ratio "${waits[board]}" "${waits[window]}")"
row "wake-ups (traced)" "$(per_min "${wakeups[board]}")" "$(per_min "${wakeups[window]}")" \
  "$(ratio "${wakeups[board]}" "${wakeups[window]}")"
# Only the board names that file: the wineserver's calls naming it are its.
board_calls=$((calls[board] + calls[server]))
row "calls naming notavex.ini (traced)" "$(per_min "$board_calls")" "$(per_min "${calls[window]}")" \
  "$(ratio "$board_calls" "${calls[window]}")"
echo "  over the span, in the board: ${kinds[board]:-none}; in the wineserver: ${kinds[server]:-none}"
echo "The wineserver, shared by both and Wine's own processes: CPU $(per_min "${cpu[server]}" 1e-6) ms," \
  "$(per_min "${waits[server]}") blocking waits a minute (untraced)."
