# Start, close and move: the board's life as the user sees it.

e2e_case defaults ja "no settings file: the 63-byte default file, the board at the top-left"
case_defaults() {
  start_board || return
  expect_eq "client origin" "$BOARD_X $BOARD_Y" "0 0"
  # WS_EX_LAYERED | WS_EX_TOOLWINDOW, and WS_EX_TOPMOST for topmost=0
  (( (BOARD_EXSTYLE & 0x80088) == 0x80088 )) || fail "extended style $BOARD_EXSTYLE lacks layered, tool window or topmost"
  local size
  size=$(stat -c %s "$CASE_DIR/notavex.ini" 2>/dev/null)
  expect_eq "size of the created file" "$size" 63
  expect_ini "file created at start" <<'INI'
winX=0
winY=0
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
  shot board
  # shellcheck disable=SC2046
  pixels board "corners show what lies below" $(corner_checks "$ROOT")
  pixels board "empty writing area is green" all 35 5 219 84 "$GREEN"
  # shellcheck disable=SC2046
  pixels board "month and day" $(date_checks)
  close_board "WM_CLOSE" || return
  expect_ini "file saved at close" <<'INI'
winX=0
winY=0
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
}

# A file as a user might have edited it: LF line ends and other letter case,
# so that a save is seen as a rewrite.
edited_ini() {  # x y
  printf 'WINX=%s\nwinY=%s\ntopmost=0\nautoend=0\nendsec=10\nMessageNum=1\n00Num=1\n0000=燃えるゴミ\n0001=2\n' "$1" "$2" |
    iconv -f UTF-8 -t CP932 >"$CASE_DIR/notavex.ini"
}

saved_ini() {  # what x y [topmost]
  expect_ini "$1" <<INI
winX=$2
winY=$3
topmost=${4:-0}
autoend=0
endsec=10
MessageNum=1
00Num=1
0000=燃えるゴミ
0001=2
INI
}

# The board at its place: transparent corners, green inside, and the root
# where the default place would be.
board_at_place_checks() {
  corner_checks "$ROOT"
  printf ' all 35 5 219 84 %s' "$GREEN"
}

e2e_case click ja "a click closes the board and saves"
case_click() {
  edited_ini 200 150
  start_board || return
  expect_eq "board at its saved place" "$BOARD_X $BOARD_Y" "200 150"
  shot board
  # shellcheck disable=SC2046
  pixels board "board drawn at its saved place" $(board_at_place_checks)
  drv_ok "click" click 120 50 || return
  expect_exit "after a click" || return
  saved_ini "saved by the click" 200 150
}

e2e_case gesture ja "one move is still a click; two moves and a release neither close nor move"
case_gesture() {
  edited_ini 300 120
  start_board || return
  # Press, two moves, release: state 1 at the release, no close; the
  # gesture ends there, so a later move does not start the system move.
  drv_ok "press" down 50 50 && drv_ok "move" move 51 50 && drv_ok "move" move 52 50 &&
    drv_ok "release" up 52 50 || return
  sleep 1
  expect_not_closed "release after two moves"
  drv_ok "move without a press" move 60 50 || return
  drv_ok "a move after the ended gesture starts no system move" no-move-loop 1200
  refresh_board
  expect_eq "board not moved" "$BOARD_X $BOARD_Y" "300 120"
  # Press, one move, release: a click.
  drv_ok "press" down 50 50 && drv_ok "move" move 51 50 && drv_ok "release" up 51 50 || return
  expect_exit "after press, one move, release" || return
  saved_ini "saved by the click" 300 120
}

e2e_case clamped ja "a place beyond the screen is brought back onto it and saved there"
case_clamped() {
  printf 'winX=5000\r\nwinY=-20\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n' >"$CASE_DIR/notavex.ini"
  start_board || return
  # 1024 pixels wide: the board's 256-pixel window ends at the right edge.
  expect_eq "board brought onto the screen" "$BOARD_X $BOARD_Y" "$((E2E_SCREEN_W - 256)) 0"
  close_board || return
  expect_ini "saved where it was placed" <<INI
winX=$((E2E_SCREEN_W - 256))
winY=0
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
}

# A real drag through the X pointer: press on the board, three moves (the
# board starts the system move), then the pointer carries the window by about
# DX, DY until the button is released. Reads the board's new place.
pointer_drag() {  # dx dy
  local px=$((BOARD_X + 60)) py=$((BOARD_Y + 50))
  xdotool mousemove "$px" "$py" sleep 0.3 mousedown 1 sleep 0.2 \
    mousemove $((px + 2)) "$py" sleep 0.2 mousemove $((px + 4)) "$py" sleep 0.2 \
    mousemove $((px + 6)) "$py" sleep 0.3
  drv_ok "the third move starts the system move" move-loop 3000
  xdotool mousemove $((px + 6 + $1 / 2)) $((py + $2 / 2)) sleep 0.2 mousemove $((px + 6 + $1)) $((py + $2)) sleep 0.3 \
    mouseup 1
  park_pointer
  drv_ok "the move ends with the release" drag-end 3000 || return
  read_board "$LAST_OUTPUT"
}

e2e_case drag ja "a drag moves the board; the new place is drawn and saved"
case_drag() {
  edited_ini 100 100
  start_board || return
  pointer_drag 300 200 || return
  sleep 0.5
  expect_not_closed "the release that ends a move"
  local dx=$((BOARD_X - 100)) dy=$((BOARD_Y - 100))
  (( dx >= 292 && dx <= 308 && dy >= 192 && dy <= 208 )) ||
    fail "pointer drag moved the board by $dx,$dy, not about 300,200"
  # The same system move driven by arrow keys posted into its loop.
  drv_ok "posted drag" drag -40 -24 || return
  expect_eq "moved by the posted drag" "$(field moved "$LAST_OUTPUT")" "-40 -24"
  read_board "$LAST_OUTPUT"
  sleep 0.3
  shot moved
  # shellcheck disable=SC2046
  pixels moved "board drawn at its new place" $(board_at_place_checks)
  local x=$BOARD_X y=$BOARD_Y
  BOARD_X=0 BOARD_Y=0
  pixels moved "nothing left at the old place" all 100 100 110 199 "$ROOT" all 100 100 349 108 "$ROOT"
  close_board "WM_CLOSE after the drag" || return
  saved_ini "saved at the new place" "$x" "$y"
}

e2e_case exit-menu ja "Exit chosen in the tray menu with the mouse closes and saves"
case_exit_menu() {
  edited_ini 500 300
  start_board || return
  xdotool mousemove 700 600
  sleep 0.2
  drv_ok "right press on the tray icon" tray right || return
  drv_ok "popup menu" menu 5000 || return
  local rect
  rect=$(field rect "$LAST_OUTPUT")
  read -r ml mt mr mb <<<"$rect"
  # Bottom-left corner at the cursor: above and to the right of it.
  expect_eq "menu corner at the cursor" "$ml $mb" "700 600"
  # Exit is the third of the four items; the left button chooses it.
  xdotool mousemove $(((ml + mr) / 2)) $((mt + (mb - mt) * 5 / 8)) sleep 0.3 click 1
  park_pointer
  expect_exit "after Exit" || return
  saved_ini "saved by Exit" 500 300
}

e2e_case exit-command ja "the posted Exit command closes and saves"
case_exit_command() {
  edited_ini 40 600
  start_board || return
  drv_ok "Exit command" command 40003 || return
  expect_exit "after command 40003" || return
  saved_ini "saved by the Exit command" 40 600
}

e2e_case wm-close ja "WM_CLOSE closes and saves; topmost 1 gives ordinary z-order"
case_wm_close() {
  printf 'winX=640\r\nwinY=20\r\ntopmost=1\r\nautoend=0\r\nendsec=10\r\nMessageNum=1\r\n00Num=1\r\n0000=燃えるゴミ\r\n0001=2\r\n' |
    iconv -f UTF-8 -t CP932 >"$CASE_DIR/notavex.ini"
  start_board || return
  (( (BOARD_EXSTYLE & 0x8) == 0 )) || fail "topmost=1 still gives a topmost board ($BOARD_EXSTYLE)"
  close_board "WM_CLOSE" || return
  saved_ini "saved by WM_CLOSE" 640 20 1
}

e2e_case auto-exit ja "endsec 3 is raised to 5: the board closes on the 5th tick and saves endsec=5"
case_auto_exit() {
  printf 'winX=320\r\nwinY=240\r\ntopmost=0\r\nautoend=1\r\nendsec=3\r\nMessageNum=0\r\n' >"$CASE_DIR/notavex.ini"
  start_board || return
  # The ticks count from window creation, which is at most half a second
  # before the driver saw the window: the close at the 5th tick saves the
  # file 4.5 to 5.1 s after that; the 3rd tick would be before 3.1 s.
  wait_for_save "auto-exit" 12000 || return
  local took=$((SAVED_MS - BOARD_SHOWN_MS))
  (( took >= 3800 && took <= 5800 )) || fail "the auto-exit saved ${took} ms after the board showed, not about 5 s"
  expect_exit "auto-exit" 8 || return
  expect_ini "saved by the auto-exit" <<'INI'
winX=320
winY=240
topmost=0
autoend=1
endsec=5
MessageNum=0
INI
}

e2e_case session-end "ja en" "a drag, then the end of the session: the new place is in the file when WM_ENDSESSION returns"
case_session_end() {
  edited_ini 100 100
  start_board || return
  pointer_drag 100 50 || return
  [ "$BOARD_X" != 100 ] || fail "the drag did not move the board"
  drv_ok "WM_QUERYENDSESSION" send 0x11 0 0 || return
  expect_eq "the board lets the session end" "$(field answer "$LAST_OUTPUT")" 1
  drv_ok "WM_ENDSESSION" send 0x16 1 0 || return
  saved_ini "the new place as WM_ENDSESSION returns" "$BOARD_X" "$BOARD_Y"
  # Windows ends the process now.
  stop_board
}
