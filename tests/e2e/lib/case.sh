# What a case does to the board and how it checks the result. Every case runs
# in its own directory ($CASE_DIR) with its own notavex.ini; failures are
# collected in CASE_FAILS and reported by run.sh.

E2E_DATE=${E2E_DATE:-'@2008-03-14 09:00:00'}  # a Friday: weekday 5, week rule 19

CASE_DIR=""
CASE_FAILS=()
BOARD_PID=""
BOARD_HWND=""
BOARD_X=""
BOARD_Y=""
BOARD_EXSTYLE=""
BOARD_EXIT_CODE=""
BOARD_SHOWN_MS=""
BOARD_INI_TIME=""
LAST_OUTPUT=""

fail() { CASE_FAILS+=("$*"); }

# The driver under the session's locale; its output (UTF-8) on stdout.
drv() {
  timeout 60 env LC_ALL="$E2E_LOCALE" wine "$E2E_DRIVER" "$@" 2>>"$CASE_DIR/driver.log"
}

# Runs the driver and fails the case with what it said when it fails.
drv_ok() {
  local what=$1
  shift
  if ! LAST_OUTPUT=$(drv "$@"); then
    fail "$what: driver $* said: $(printf '%s' "$LAST_OUTPUT" | tr '\n' ' ')"
    return 1
  fi
}

# Value of the first output line that starts with the given word.
field() {
  printf '%s\n' "$2" | awk -v key="$1" '$1 == key { sub("^[^ ]* ", ""); print; exit }'
}

# The settings file from UTF-8 lines on stdin: CP932 with CR LF, as the
# program writes it.
write_ini() {
  sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$CASE_DIR/notavex.ini"
}

# The text a file should hold, given as UTF-8 lines on stdin; compares bytes.
expect_ini() {
  local what=$1
  sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$CASE_DIR/expected.ini"
  if [ ! -f "$CASE_DIR/notavex.ini" ]; then
    fail "$what: notavex.ini is missing"
  elif ! cmp -s "$CASE_DIR/expected.ini" "$CASE_DIR/notavex.ini"; then
    fail "$what: notavex.ini differs: $(iconv -f CP932 -t UTF-8 "$CASE_DIR/notavex.ini" | tr -d '\r' | tr '\n' '|')"
  fi
}

board_running() {
  [ -n "$BOARD_PID" ] && [ -e "/proc/$BOARD_PID" ] &&
    ! awk '{ exit ($3 == "Z") ? 0 : 1 }' "/proc/$BOARD_PID/stat" 2>/dev/null
}

# Reads the board's place from a driver report.
read_board() {
  local client
  client=$(field client "$1")
  BOARD_HWND=$(field board "$1")
  BOARD_X=$(cut -d' ' -f1 <<<"$client")
  BOARD_Y=$(cut -d' ' -f2 <<<"$client")
  BOARD_EXSTYLE=$(field exstyle "$1")
}

# Starts notavex.exe in the case directory with the date fixed, and waits
# for its window. wine execs the loader, so $! is the program's own pid.
# With E2E_CLOCK_FILE set, the board's clock is read from that file instead
# (libfaketime), so that a case can move it while the board runs.
start_board() {
  # FAKETIME would win over the file.
  local clock=(FAKETIME="$E2E_DATE")
  [ -n "${E2E_CLOCK_FILE:-}" ] && clock=(FAKETIME_TIMESTAMP_FILE="$E2E_CLOCK_FILE" FAKETIME_NO_CACHE=1)
  (cd "$CASE_DIR" && exec env LD_PRELOAD="$E2E_FAKETIME_LIB" "${clock[@]}" \
    LC_ALL="$E2E_LOCALE" wine "$E2E_NOTAVEX") >>"$CASE_DIR/board.log" 2>&1 &
  BOARD_PID=$!
  BOARD_EXIT_CODE=""
  if ! drv_ok "the board did not appear" wait 20000; then
    return 1
  fi
  BOARD_SHOWN_MS=$(now_ms)
  read_board "$LAST_OUTPUT"
  # Every close saves the file: its time and a copy taken now tell whether
  # one happened (a save may well write the same bytes again).
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/at-start.ini" 2>/dev/null
  BOARD_INI_TIME=$(ini_time)
  # The first paint has been sent; give the X server a moment to show it.
  sleep 0.4
}

refresh_board() {
  drv_ok "board info" info && read_board "$LAST_OUTPUT"
}

# Waits up to $2 seconds (default 10) for the program to end by itself.
expect_exit() {
  local what=$1 limit=${2:-10} waited=0
  while board_running; do
    if [ "$waited" -ge $((limit * 10)) ]; then
      fail "$what: the program is still running after ${limit}s"
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  wait "$BOARD_PID" 2>/dev/null
  BOARD_EXIT_CODE=$?
  BOARD_PID=""
  [ "$BOARD_EXIT_CODE" = 0 ] || fail "$what: exit code $BOARD_EXIT_CODE, not 0"
}

expect_running() {
  board_running || fail "$1: the program has ended"
}

ini_time() { stat -c %y "$CASE_DIR/notavex.ini" 2>/dev/null; }

# True once the file has been written since the board showed.
saved_since_start() {
  [ "$(ini_time)" != "$BOARD_INI_TIME" ] || ! cmp -s "$CASE_DIR/at-start.ini" "$CASE_DIR/notavex.ini"
}

# No close has happened: the file is as it was when the board showed, and
# the window is still there.
expect_not_closed() {
  saved_since_start && fail "$1: the file was saved (the board closed)"
  drv info >/dev/null || fail "$1: the board window is gone"
}

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Waits up to $2 ms for a close to save the file; SAVED_MS tells when.
SAVED_MS=""
wait_for_save() {
  local what=$1 limit=$2 start
  start=$(now_ms)
  SAVED_MS=""
  until saved_since_start; do
    if [ $(( $(now_ms) - start )) -ge "$limit" ]; then
      fail "$what: no save within ${limit} ms"
      return 1
    fi
    sleep 0.05
  done
  SAVED_MS=$(now_ms)
}

# Ends a board that a case left running (a failed case); by its pid only.
stop_board() {
  if board_running; then
    kill "$BOARD_PID" 2>/dev/null
    local waited
    for waited in $(seq 1 50); do board_running || break; sleep 0.1; done
    board_running && kill -9 "$BOARD_PID" 2>/dev/null
  fi
  [ -n "$BOARD_PID" ] && wait "$BOARD_PID" 2>/dev/null
  BOARD_PID=""
}

# Closes the board through WM_CLOSE and waits for the program to end.
close_board() {
  drv_ok "WM_CLOSE" close && expect_exit "${1:-after WM_CLOSE}"
}

# Screenshot of the X root as raw RGB, one dump for many pixel checks.
shot() {
  import -display "$DISPLAY" -window root -depth 8 "rgb:$CASE_DIR/$1.rgb" 2>>"$CASE_DIR/shot.log" ||
    fail "screenshot $1 failed"
}

# Pixel checks against screenshot $1, in board coordinates (the client
# origin of the board as last read).
pixels() {
  local name=$1 what=$2
  shift 2
  local out
  if ! out=$("$E2E_PIXELCHECK" "$CASE_DIR/$name.rgb" "$E2E_SCREEN_W" "$E2E_SCREEN_H" \
    origin "$BOARD_X" "$BOARD_Y" "$@" 2>&1); then
    fail "$what: $(printf '%s' "$out" | tr '\n' ' ')"
    return 1
  fi
  LAST_OUTPUT=$out
}

# Like pixels, on fresh screenshots until the checks pass or $2 ms have
# passed: for what the board shows by itself in a while.
pixels_within() {  # what ms check...
  local what=$1 deadline=$(($(now_ms) + $2)) out
  shift 2
  while :; do
    shot now
    if out=$("$E2E_PIXELCHECK" "$CASE_DIR/now.rgb" "$E2E_SCREEN_W" "$E2E_SCREEN_H" \
      origin "$BOARD_X" "$BOARD_Y" "$@" 2>&1); then
      return 0
    fi
    if [ "$(now_ms)" -ge "$deadline" ]; then
      fail "$what: $(printf '%s' "$out" | tr '\n' ' ')"
      return 1
    fi
    sleep 0.3
  done
}

# Expects the driver report's field to equal a value.
expect_field() {
  local what=$1 key=$2 want=$3 report=$4 seen
  seen=$(field "$key" "$report")
  [ "$seen" = "$want" ] || fail "$what: $key is '$seen', not '$want'"
}

expect_eq() {
  [ "$2" = "$3" ] || fail "$1: '$2', not '$3'"
}

# Moves the X pointer out of the way of the board and its boxes.
park_pointer() {
  xdotool mousemove $((E2E_SCREEN_W - 20)) $((E2E_SCREEN_H - 20)) 2>/dev/null
}

# A value shared between the locales of one run (for comparing renderings).
remember() { printf '%s %s\n' "$1" "$2" >>"$E2E_RUN_DIR/remembered"; }
recall() { [ -f "$E2E_RUN_DIR/remembered" ] && awk -v k="$1" '$1 == k { v = $2 } END { if (v != "") print v }' "$E2E_RUN_DIR/remembered"; }

WHITE=255,255,255
GREEN=0,64,0             # the board and the writing area
MARK=255,128,128         # the copy under a marked line
KEY=128,0,0              # the colour key: must never be seen
ROOT=$WHITE              # Xvfb -wr: what lies below the board

# The picture's 80 key-colour pixels, counted from each end of a row: they
# must show what lies below, and the pixel next to each run must not.
corner_checks() {
  local below=$1 row left right
  for row in 0:9:8 1:4:4 2:2:2 3:2:2 4:1:1 5:1:1 6:1:1 7:1:1 8:1:0 \
    93:1:1 94:1:1 95:1:1 96:2:2 97:2:2 98:4:4 99:8:8; do
    IFS=: read -r y left right <<<"$row"
    printf 'all 0 %d %d %d %s not %d %d %s ' "$y" $((left - 1)) "$y" "$below" "$left" "$y" "$below"
    if [ "$right" -gt 0 ]; then
      printf 'all %d %d 249 %d %s ' $((250 - right)) "$y" "$y" "$below"
    fi
    printf 'not %d %d %s ' $((249 - right)) "$y" "$below"
  done
  printf 'none 0 0 249 99 %s\n' "$KEY"
}

# Today's line k (0..2) and tomorrow's line k as pixelcheck rectangles: the
# white text cell and the area its marked copy can reach.
line_rect() {  # day k -> "x0 y0 x1 y1"
  local y
  if [ "$1" = today ]; then y=$((5 + 13 * $2)); else y=$((46 + 13 * $2)); fi
  printf '35 %d 219 %d' "$y" $((y + 12))
}

# Checks of one board line: text drawn in white, with or without its marked
# copy one pixel right and down.
line_checks() {  # day k blank|plain|marked
  local r
  r=$(line_rect "$1" "$2")
  case $3 in
    blank) printf 'count %s %s 0 0 count %s %s 0 0' "$r" "$WHITE" "$r" "$MARK" ;;
    plain) printf 'count %s %s 12 -1 count %s %s 0 0' "$r" "$WHITE" "$r" "$MARK" ;;
    marked) printf 'count %s %s 12 -1 shadow %s %s 1 1 %s 12' "$r" "$WHITE" "$r" "$MARK" "$WHITE" ;;
  esac
}

# Month and day of 14 March: "3" from x 234, "14" from x 231 (the glyphs
# start a pixel or two into their cells).
date_checks() {
  printf 'left 228 3 246 14 %s 234 236 left 228 28 246 39 %s 231 233 ' "$WHITE" "$WHITE"
  # the weekday name between the parentheses
  printf 'count 229 51 242 61 %s 8 -1' "$WHITE"
}
