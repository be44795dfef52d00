# Files the board could not read whole, and the backups that keep them.

READ_ERROR_TEXT='notavex.iniファイルの一部を読み取れませんでした。元のファイルはバックアップとして残します。'

# Starts the board on a file that shows an error box at creation, checks the
# box's caption (and text, when given) and presses its OK.
start_through_box() {  # caption [text]
  (cd "$CASE_DIR" && exec env LD_PRELOAD="$E2E_FAKETIME_LIB" FAKETIME="$E2E_DATE" \
    LC_ALL="$E2E_LOCALE" wine "$E2E_NOTAVEX") >>"$CASE_DIR/board.log" 2>&1 &
  BOARD_PID=$!
  drv_ok "$1 box" dialog 20000 || return 1
  local report=$LAST_OUTPUT text
  expect_field "box" caption "$1" "$report"
  if [ -n "${2:-}" ]; then
    text=$(printf '%s\n' "$report" | awk '$1 == "item" && $2 == 65535 { sub("^item 65535 Static ", ""); print; exit }')
    expect_eq "box text" "$text" "$2"
  fi
  drv_ok "OK" press 1 || return 1
  drv_ok "the board shows after the box" wait 10000 || return 1
  read_board "$LAST_OUTPUT"
}

# A schedule whose second half lies behind a zero byte.
nul_ini() {
  {
    printf 'winX=300\r\nwinY=200\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=2\r\n'
    printf '00Num=1\r\n0000=' && printf '歯医者\r\n' | iconv -f UTF-8 -t CP932
    printf '0001=314\r\n'
    printf '\0'
    printf '01Num=1\r\n0100=lost?\r\n0101=315\r\n'
  } >"$CASE_DIR/notavex.ini"
}

e2e_case read-error "ja en" "a zero byte inside the file: READ ERROR in Japanese, what comes before it is read, the original kept as .bak"
case_read_error() {
  nul_ini
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/original.ini"
  start_through_box "READ ERROR" "$READ_ERROR_TEXT" || return
  expect_eq "board at the file's place" "$BOARD_X $BOARD_Y" "300 200"
  sleep 0.4
  shot board
  # shellcheck disable=SC2046
  pixels board "the message before the zero byte" $(line_checks today 0 marked) $(line_checks tomorrow 0 blank)
  close_board || return
  cmp -s "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini.bak" || fail "the original is not in notavex.ini.bak"
  expect_ini "saved from what was read" <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=2
00Num=1
0000=歯医者
0001=314
01Num=0
0100=
INI
}

e2e_case two-backups ja "two unreadable files in two runs leave two whole backups; a read-only backup is never written over"
case_two_backups() {
  nul_ini
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/first.ini"
  start_through_box "READ ERROR" || return
  close_board || return
  cmp -s "$CASE_DIR/first.ini" "$CASE_DIR/notavex.ini.bak" || fail "first run: notavex.ini.bak"
  # Wine's own copy would write over a read-only file.
  chmod a-w "$CASE_DIR/notavex.ini.bak"
  nul_ini
  printf 'the second' >>"$CASE_DIR/notavex.ini"
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/second.ini"
  start_through_box "READ ERROR" || return
  close_board || return
  cmp -s "$CASE_DIR/first.ini" "$CASE_DIR/notavex.ini.bak" || fail "second run: notavex.ini.bak changed"
  cmp -s "$CASE_DIR/second.ini" "$CASE_DIR/notavex.ini.1.bak" || fail "second run: notavex.ini.1.bak"
  [ -e "$CASE_DIR/notavex.ini.tmp" ] && fail "a temporary file was left"
}

e2e_case vanished ja "the unread file moved away after its box: the save at close still writes the board's file"
case_vanished() {
  { printf 'winX=0\r\n'; head -c $((256 * 1024)) /dev/zero | tr '\0' 'x'; } >"$CASE_DIR/notavex.ini"
  start_through_box "SIZE ERROR" || return
  mv "$CASE_DIR/notavex.ini" "$CASE_DIR/moved.ini"
  close_board "the close saves without a box" || return
  expect_ini "a fresh file" <<'INI'
winX=0
winY=0
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
  ls "$CASE_DIR"/notavex.ini.*bak >/dev/null 2>&1 && fail "a backup was made of nothing"
}

e2e_case locked-at-start "ja en" "the file held open by another program at start: one OPEN ERROR box, the schedule within 6 s of its release, kept at close"
case_locked_at_start() {
  write_ini <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=1
00Num=1
0000=歯医者
0001=314
INI
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/original.ini"
  # A Windows program holds it, sharing nothing, for 4 s.
  (cd "$CASE_DIR" && exec env LC_ALL="$E2E_LOCALE" wine "$E2E_DRIVER" hold notavex.ini 4000) \
    >"$CASE_DIR/holder.out" 2>>"$CASE_DIR/driver.log" &
  local holder=$!
  local waited
  for waited in $(seq 1 100); do grep -q held "$CASE_DIR/holder.out" && break; sleep 0.1; done
  start_through_box "OPEN ERROR" "notavex.iniファイルをオープンできませんでした。" || return
  drv dialogs | grep -q '^dialogs 0$' || fail "more than one box"
  wait "$holder"
  local released
  released=$(now_ms)
  until refresh_board && [ "$BOARD_X $BOARD_Y" = "300 200" ]; do
    [ $(($(now_ms) - released)) -lt 6000 ] || break
    sleep 0.2
  done
  expect_eq "the board at the file's place within 6 s" "$BOARD_X $BOARD_Y" "300 200"
  # shellcheck disable=SC2046
  pixels_within "the schedule" 1000 $(line_checks today 0 marked)
  close_board || return
  cmp -s "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini" || fail "the close did not leave the schedule in notavex.ini"
}

e2e_case no-lock ja "a folder where no lock can be made: FOLDER ERROR once at start, then the board"
case_no_lock() {
  printf 'winX=300\r\nwinY=200\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n' >"$CASE_DIR/notavex.ini"
  # The tests run as root, for whom no folder is read-only: a folder in the
  # lock's place refuses it just the same.
  mkdir "$CASE_DIR/notavex.ini.lock"
  start_through_box "FOLDER ERROR" "このフォルダーには書き込めないため、設定をnotavex.iniファイルに保存できません。"
  drv dialogs | grep -q '^dialogs 0$' || fail "more than one box"
  close_board
}
