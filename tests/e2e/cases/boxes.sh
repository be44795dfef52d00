# The boxes the board owns: the overflow box and the version box, read back
# through the W functions, under both ANSI code pages.

# Four messages for Friday 14 March, in an order that puts the calendar-date
# match fourth; and one for tomorrow.
overflow_ini() {  # x y
  write_ini <<INI
winX=$1
winY=$2
topmost=0
autoend=0
endsec=10
MessageNum=4
00Num=1
0000=ゴミ出し
0001=5
01Num=2
0100=会議 10:30
0101=314
0102=315
02Num=1
0200=歯医者
0201=19
03Num=1
0300=図書館へ返却
0301=5
INI
}

OVERFLOW_CAPTION='４件以上の予定があります。'
OVERFLOW_TEXT='[4件目の今日の予定]\r\n　会議 10:30\r\n'

# The overflow box is there, owned by the board, with its caption, text and
# one OK button.
expect_overflow_box() {
  local what=$1 report
  drv_ok "$what: overflow box" dialog 8000 || return 1
  report=$LAST_OUTPUT
  expect_field "$what: caption" caption "$OVERFLOW_CAPTION" "$report"
  # The text is the static control of the message box (id 0xffff).
  local text
  text=$(printf '%s\n' "$report" | awk '$1 == "item" && $2 == 65535 { sub("^item 65535 Static ", ""); print; exit }')
  expect_eq "$what: text" "$text" "$OVERFLOW_TEXT"
  printf '%s\n' "$report" | grep -q '^item 1 Button OK$' || fail "$what: no OK button"
  printf '%s\n' "$report" | grep -q '^item 2 ' && fail "$what: a second button"
  return 0
}

e2e_case overflow "ja en" "four matches today: the overflow box after the board, its texts in Japanese"
case_overflow() {
  overflow_ini 360 40
  start_board || return
  expect_overflow_box "first paint" || return
  drv_ok "OK on the overflow box" press 1 || return
  drv_ok "the box closes" no-dialog 3000
  expect_running "after the overflow box"
  sleep 0.3
  shot board
  # Today: every Friday, second Friday (marked), every Friday; the fourth,
  # 14 March, went to the box. Tomorrow: 15 March (marked).
  # shellcheck disable=SC2046
  pixels board "the six lines" $(line_checks today 0 plain) $(line_checks today 1 marked) \
    $(line_checks today 2 plain) $(line_checks tomorrow 0 marked) \
    $(line_checks tomorrow 1 blank) $(line_checks tomorrow 2 blank)
  # The same Japanese line must look the same under either code page.
  # shellcheck disable=SC2046
  if pixels board "mask of today's first line" mask $(line_rect today 0) "$WHITE"; then
    local mask seen
    mask=$(awk '{ print $2 }' <<<"$LAST_OUTPUT")
    seen=$(recall overflow-line0)
    if [ -z "$seen" ]; then
      remember overflow-line0 "$mask"
    else
      expect_eq "today's first line drawn as under the other code page" "$mask" "$seen"
    fi
  fi
  close_board || return
}

e2e_case tray-left ja "a left press on the tray icon repaints: the overflow box comes again"
case_tray_left() {
  overflow_ini 360 40
  start_board || return
  expect_overflow_box "first paint" || return
  # While the box is open the board takes no mouse input: a real click on
  # it does not close it.
  xdotool mousemove $((BOARD_X + 120)) $((BOARD_Y + 60)) sleep 0.3 click 1
  park_pointer
  sleep 0.8
  expect_not_closed "a click on the board while the overflow box is open"
  drv_ok "OK" press 1 && drv_ok "the box closes" no-dialog 3000 || return
  drv_ok "left press on the tray icon" tray left || return
  expect_overflow_box "repaint after the tray click" || return
  # Every paint shows its own box: a second tray click while the box is open
  # gives a second one.
  drv_ok "left press on the tray icon" tray left || return
  sleep 1.5
  drv_ok "boxes" dialogs
  expect_eq "boxes after a second tray click" "$(field dialogs "$LAST_OUTPUT")" 2
  drv_ok "OK" press 1 && sleep 0.3 && drv_ok "OK" press 1 && drv_ok "all boxes closed" no-dialog 3000
  close_board || return
}

# Opens the version box through the posted menu command and checks it.
open_version_box() {
  drv_ok "Version command" command 40004 || return 1
  drv_ok "version box" dialog 8000 || return 1
  VERSION_BOX=$LAST_OUTPUT
}

version_box_closed() {  # how
  drv_ok "the version box closes by $1" no-dialog 3000 || return 1
  sleep 0.3
}

e2e_case version-box "ja en" "the version box: at the board's corner, closed by OK and Enter, not by Escape"
case_version_box() {
  write_ini <<'INI'
winX=420
winY=260
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
  start_board || return
  open_version_box || return
  local report=$VERSION_BOX
  expect_field "version box" caption "バージョン" "$report"
  printf '%s\n' "$report" | grep -q '^item -1 Static Notavex Ver\.1\.23$\|^item 65535 Static Notavex Ver\.1\.23$' ||
    fail "version box: no static text 'Notavex Ver.1.23' ($(printf '%s' "$report" | grep '^item ' | tr '\n' ' '))"
  printf '%s\n' "$report" | grep -q '^item 1 Button OK$' || fail "version box: no OK button"
  # At the board's top-left: its client area starts at the board's.
  local client
  client=$(field client "$report")
  expect_eq "version box client origin" "$(cut -d' ' -f1,2 <<<"$client")" "$BOARD_X $BOARD_Y"
  local style
  style=$(field style "$report")
  (( (style & 0x80000) == 0 )) || fail "version box has a system menu (style $style)"
  refresh_board
  expect_field "the board is disabled while the box is open" enabled 0 "$LAST_OUTPUT"

  # Escape as a real key stroke: IDCANCEL is not handled, the box stays.
  drv_ok "Escape" key escape
  sleep 0.8
  drv_ok "the box is still open after Escape" dialog 500
  # Right presses while it is open show no menu, on the board or the tray.
  drv_ok "right click on the board" rclick 100 60
  drv_ok "right press on the tray icon" tray right
  drv_ok "no menu while the version box is open" no-menu 1500 || drv menu-escape >/dev/null
  # Enter as a real key stroke (SendInput): the default button.
  drv_ok "Enter" key return
  version_box_closed "Enter (SendInput)" || return
  # Closing cleared the modal state: the menu opens again.
  drv_ok "right click on the board" rclick 100 60
  if drv_ok "the menu opens again after the box" menu 5000; then
    drv menu-escape >/dev/null
    drv no-menu 100 >/dev/null || { sleep 0.5; drv menu-escape >/dev/null; }
  fi

  # OK clicked with the real mouse.
  open_version_box || return
  local ok
  ok=$(printf '%s\n' "$VERSION_BOX" | awk '$1 == "item-rect" && $2 == 1 { print int(($3 + $5) / 2), int(($4 + $6) / 2) }')
  # shellcheck disable=SC2086
  xdotool mousemove $ok sleep 0.3 click 1
  park_pointer
  version_box_closed "a mouse click on OK" || return

  # Enter through the X keyboard, with the pointer over the box.
  open_version_box || return
  client=$(field client "$VERSION_BOX")
  xdotool mousemove $(( $(cut -d' ' -f1 <<<"$client") + 20 )) $(( $(cut -d' ' -f2 <<<"$client") + 10 )) sleep 0.3 key Return
  park_pointer
  version_box_closed "Enter (X keyboard)" || return
  close_board || return
}

e2e_case version-box-holds-exit ja "an auto-exit that falls due while the version box is open waits for OK"
case_version_box_holds_exit() {
  printf 'winX=420\r\nwinY=260\r\ntopmost=0\r\nautoend=1\r\nendsec=5\r\nMessageNum=0\r\n' >"$CASE_DIR/notavex.ini"
  start_board || return
  open_version_box || return
  # Due at the 5th tick; two seconds later the board is still open.
  local left=$((BOARD_SHOWN_MS + 7000 - $(now_ms)))
  (( left > 0 )) && sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
  expect_not_closed "7 s after the board showed, with the version box open"
  drv_ok "OK on the version box" press 1 || return
  # The next tick after the box has closed ends the run.
  wait_for_save "auto-exit after the version box" 2500 || return
  expect_exit "auto-exit after the version box" || return
  expect_ini "saved by the auto-exit" <<'INI'
winX=420
winY=260
topmost=0
autoend=1
endsec=5
MessageNum=0
INI
}

e2e_case size-error "ja en" "a settings file over 256 KiB: the SIZE ERROR box in Japanese before the board shows; the file left as it is"
case_size_error() {
  # One byte over the reader's limit (256 KiB), with a place the board
  # must not take from it.
  local head='winX=500\r\nwinY=500\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n'
  {
    printf "$head"
    head -c $((256 * 1024 + 1 - $(printf "$head" | wc -c) - 2)) /dev/zero | tr '\0' 'x'
    printf '\r\n'
  } >"$CASE_DIR/notavex.ini"
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/refused.ini"
  (cd "$CASE_DIR" && exec env LD_PRELOAD="$E2E_FAKETIME_LIB" FAKETIME="$E2E_DATE" \
    LC_ALL="$E2E_LOCALE" wine "$E2E_NOTAVEX") >>"$CASE_DIR/board.log" 2>&1 &
  BOARD_PID=$!
  drv_ok "SIZE ERROR box" dialog 20000 || return
  local report=$LAST_OUTPUT text
  expect_field "box" caption "SIZE ERROR" "$report"
  text=$(printf '%s\n' "$report" | awk '$1 == "item" && $2 == 65535 { sub("^item 65535 Static ", ""); print; exit }')
  expect_eq "box text" "$text" "notavex.iniファイルが大きすぎるため設定を取得できませんでした。"
  printf '%s\n' "$report" | grep -q '^item 1 Button OK$' || fail "SIZE ERROR box: no OK button"
  drv info >/dev/null && fail "the board is shown while the creation's box is open"
  drv_ok "OK" press 1 || return
  drv_ok "the board shows after the box" wait 10000 || return
  read_board "$LAST_OUTPUT"
  # The refused file changed nothing: the board stands at the default place.
  expect_eq "board at the default place" "$BOARD_X $BOARD_Y" "0 0"
  close_board || return
  # A file the board never read is not its to replace.
  cmp -s "$CASE_DIR/refused.ini" "$CASE_DIR/notavex.ini" || fail "the refused file was replaced"
  ls "$CASE_DIR"/notavex.ini.*bak >/dev/null 2>&1 && fail "a backup of a file left as it is"
}
