# The board follows the clock: midnight, a changed clock, a wake from sleep.

# A message for each of 14, 15, 20 and 21 March, so that every day shows
# its own lines.
day_ini() {
  write_ini <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=4
00Num=1
0000=十四日の予定
0001=314
01Num=1
0100=十五日の予定
0101=315
02Num=1
0200=二十日の予定
0201=320
03Num=1
0300=二十一日の予定
0301=321
INI
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/original.ini"
}

# A screenshot of the board as it looks when it starts on date $1.
reference_shot() {  # name date
  local E2E_DATE=$2
  cp "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini"
  start_board || return 1
  shot "$1"
  close_board "closing the board of $2" || return 1
  cp "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini"
}

sleep_until_ms() {  # epoch ms
  local left=$(($1 - $(now_ms)))
  [ "$left" -gt 0 ] && sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
  return 0
}

# The whole board equals the reference screenshot, pixel for pixel.
expect_board_like() {  # what reference ms
  pixels_within "$1" "$3" differ "$CASE_DIR/$2.rgb" 0 0 249 99 0 0
}

e2e_case midnight ja "left alone past midnight, the board shows the new day within 5 s, as a board started on it"
case_midnight() {
  day_ini
  reference_shot fifteenth '@2008-03-15 09:00:00' || return
  local E2E_DATE='@2008-03-14 23:59:50'
  start_board || return
  shot before
  pixels before "before midnight the 14th shows" differ "$CASE_DIR/fifteenth.rgb" 0 0 249 99 1 -1
  # Midnight is ten seconds after the clock started, no later than the
  # board showed: five seconds more.
  sleep_until_ms $((BOARD_SHOWN_MS + 15000))
  expect_board_like "five seconds after midnight" fifteenth 0
  close_board || return
}

e2e_case clock-jump ja "the clock set to another day (WM_TIMECHANGE) or a wake from sleep (WM_POWERBROADCAST): the new day within 3 s"
case_clock_jump() {
  day_ini
  reference_shot twentieth '@2008-03-20 09:00:00' || return
  reference_shot twenty-first '@2008-03-21 09:00:00' || return
  local E2E_CLOCK_FILE=$CASE_DIR/clock
  echo '@2008-03-14 09:00:00' >"$E2E_CLOCK_FILE"
  start_board || return
  echo '@2008-03-20 09:00:00' >"$E2E_CLOCK_FILE"
  drv_ok "WM_TIMECHANGE" post 0x001E || return
  expect_board_like "after WM_TIMECHANGE" twentieth 3000
  echo '@2008-03-21 09:00:00' >"$E2E_CLOCK_FILE"
  drv_ok "WM_POWERBROADCAST, resumed automatically" post 0x0218 18 || return
  expect_board_like "after a wake from sleep" twenty-first 3000
  close_board || return
}
