# One board per settings file. Wine has no foreground lock: these cases show
# what comes to the front, not that AllowSetForegroundWindow was needed.

OTHER_PIDS=()
OTHER_WINDOWS=()

# Starts a board with the folder as working directory, the one way a
# Japanese folder name reaches Wine intact, and reads its window from the
# lock (16 hex digits first) as soon as the board has written it.
start_in() {  # dir
  (cd "$1" && exec env LD_PRELOAD="$E2E_FAKETIME_LIB" FAKETIME="$E2E_DATE" \
    LC_ALL="$E2E_LOCALE" wine "$E2E_NOTAVEX") >>"$CASE_DIR/board.log" 2>&1 &
  OTHER_PIDS+=($!)
  local hex _
  for _ in $(seq 1 200); do
    hex=$(head -c 16 "$1/notavex.ini.lock" 2>/dev/null)
    [[ $hex =~ ^[0-9a-f]{16}$ ]] && OTHER_WINDOWS+=("$(printf '0x%x' "$((16#$hex))")") && return 0
    sleep 0.1
  done
  OTHER_WINDOWS+=("")
  fail "no board took the lock in ${1##*/}"
  return 1
}

program_files() { (cd "$1" && stat -c '%n %s %y' -- notavex* && cksum notavex.ini); }

# A second start in a board's folder ends by itself within 10 s with code 0,
# leaves the program's files there as they were, and $3 is then in front.
second_start() {  # dir what window
  local before
  before=$(program_files "$1")
  (cd "$1" && exec timeout 10 env LC_ALL="$E2E_LOCALE" wine "$E2E_NOTAVEX") >>"$CASE_DIR/board.log" 2>&1
  local code=$?
  [ "$code" = 0 ] || fail "$2: exit code $code (124: still running after 10 s)"
  [ "$(program_files "$1")" = "$before" ] || fail "$2: the files changed"
  sleep 0.5
  drv_ok "$2: foreground" foreground || return
  expect_eq "$2: in front" "$(field foreground "$LAST_OUTPUT" | cut -d' ' -f1)" "$3"
}

# WM_CLOSE to every board started here, each to end with code 0; then, by
# pid, whatever a failure left running.
end_started() {
  local i
  for i in "${!OTHER_PIDS[@]}"; do
    [ -n "${OTHER_WINDOWS[$i]}" ] && drv_ok "WM_CLOSE" --board "${OTHER_WINDOWS[$i]}" close &&
      BOARD_PID=${OTHER_PIDS[$i]} expect_exit "board $i"
    BOARD_PID=${OTHER_PIDS[$i]} stop_board
  done
  OTHER_PIDS=()
  OTHER_WINDOWS=()
}

plain_ini() {  # dir x
  printf 'winX=%d\r\nwinY=300\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n' "$2" >"$1/notavex.ini"
}

e2e_case single "ja en" "a second start in a board's folder brings it, or its open box, forward and ends; Japanese folders of equal length each run a board"
case_single() {
  # Equal length: an ANSI code page would turn both names into the same '?'s.
  local a="$CASE_DIR/予定表Ａ" b="$CASE_DIR/予定表Ｂ"
  mkdir "$a" "$b" && plain_ini "$b" 400 && nul_ini && mv "$CASE_DIR/notavex.ini" "$a/"
  start_in "$a" && start_in "$b" && single_steps "${OTHER_WINDOWS[@]}" "$a"
  end_started
  [ -e "$a/notavex.ini.lock" ] || [ -e "$b/notavex.ini.lock" ] && fail "a lock file outlived its board"
}
single_steps() {  # board other-board folder
  local step front
  # The READ ERROR box of creation, the board itself, the settings dialog
  # and the version box (menu commands), each with the other board in front.
  for step in read-error board 40002 40004; do
    front=$1
    case $step in
      board) drv_ok "the board shows" --board "$1" wait 10000 || return ;;
      4*) drv_ok "command $step" --board "$1" command "$step" ;;
    esac
    if [ "$step" != board ]; then
      drv_ok "$step: box" --board "$1" dialog 20000 || return
      front=$(field dialog "$LAST_OUTPUT")
    fi
    drv_ok "the other board" --board "$2" wait 20000 && drv_ok "the other board to the front" --board "$2" activate
    second_start "$3" "second start ($step)" "$front"
    [ "$step" = board ] && continue
    drv_ok "$step: OK" --board "$1" press 1 && drv_ok "$step: closed" --board "$1" no-dialog 3000 || return
  done
}
