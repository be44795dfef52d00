# The settings dialog, worked through its real controls: the driver puts text
# into fields with WM_SETTEXT, chooses list items with the notification a
# click sends, and presses buttons with BM_CLICK; the results are read back
# from the controls, from the settings file and from the board's pixels.

# Control ids of template 106.
DLG_OK=1
DLG_CANCEL=2
DLG_MESSAGES=1000
DLG_DATES=1001
DLG_TEXT=1002
DLG_WEEK_RULE=1003
DLG_CALENDAR=1004
DLG_ORDINAL=1005
DLG_WEEKDAY=1006
DLG_MONTH=1007
DLG_DAY=1008
DLG_ADD_DATE=1009
DLG_NOTICE=1010
DLG_ADD_MESSAGE=1013
DLG_DELETE_MESSAGE=1015
DLG_TOPMOST=1016
DLG_AUTOEND=1017
DLG_ENDSEC=1018

LENGTH_NOTICE='全角15文字/半角30文字を超えています。'

# The UTF-16 units of a UTF-8 text in hex, as the driver's set-text takes
# them: Wine mangles non-ASCII command-line arguments.
utf16_hex() {
  if [ -z "$1" ]; then printf -- '-'; return; fi
  printf '%s' "$1" | iconv -f UTF-8 -t UTF-16BE | od -An -tx1 | tr -d ' \n'
}

set_text() {  # id text
  drv_ok "text into control $1" set-text "$1" "$(utf16_hex "$2")"
}

open_settings() {
  drv_ok "Settings command" command 40002 && drv_ok "the settings dialog opens" dialog 8000
}

# The six editing buttons as "AM CM DM|AD CD DD", 1 enabled, 0 disabled: add,
# change, delete message | add, change, delete date. One driver run.
button_mask() {
  drv_ok "the dialog's controls" dialog 2000 || return 1
  printf '%s\n' "$LAST_OUTPUT" | awk '
    $1 == "item-state" { split($4, e, "="); on[$2] = e[2] }
    END { printf "%s%s%s|%s%s%s\n", on[1013], on[1014], on[1015], on[1009], on[1011], on[1012] }'
}

expect_buttons() {  # what mask
  # Not inside $(...): a failure recorded in a subshell would be lost.
  button_mask >"$CASE_DIR/button_mask.out" || return 1
  expect_eq "$1: editing buttons" "$(cat "$CASE_DIR/button_mask.out")" "$2"
}

# A list's items joined by '|', then ' @' and the selected index.
list_state() {  # id
  drv_ok "control $1" control "$1" || return 1
  printf '%s\n' "$LAST_OUTPUT" | awk '
    $1 == "selected" { sel = $2 }
    $1 == "item" { sub("^item [0-9]+ ", ""); items = items (n++ ? "|" : "") $0 }
    END { printf "%s @%s\n", items, sel }'
}

expect_list() {  # what id want
  expect_eq "$1" "$(list_state "$2")" "$3"
}

# One property of a control, as the driver's control report gives it.
control_field() {  # id key
  drv_ok "control $1" control "$1" && field "$2" "$LAST_OUTPUT"
}

expect_control() {  # what id key want
  expect_eq "$1" "$(control_field "$2" "$3")" "$4"
}

# Two messages: every Friday, and a meeting on the second Tuesday and at
# Christmas. On Thursday 13 March the first stands plain among tomorrow's
# lines and the second not at all.
two_messages_ini() {
  write_ini <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=2
00Num=1
0000=ゴミ出し
0001=5
01Num=2
0100=会議 10:30
0101=16
0102=1225
INI
}

e2e_case dialog-walk "ja en" "tray menu, Settings, a message, calendar date 3/14 added, OK: saved and marked among tomorrow's lines on 13 March"
case_dialog_walk() {
  local E2E_DATE='@2008-03-13 09:00:00'
  two_messages_ini
  start_board || return
  shot before
  # shellcheck disable=SC2046
  pixels before "tomorrow before the edit" $(line_checks tomorrow 0 plain) $(line_checks tomorrow 1 blank)

  # The user's way in: right press on the tray icon, Settings, the first item.
  xdotool mousemove 700 600
  sleep 0.2
  drv_ok "right press on the tray icon" tray right || return
  drv_ok "popup menu" menu 5000 || return
  local ml mt mr mb
  read -r ml mt mr mb <<<"$(field rect "$LAST_OUTPUT")"
  xdotool mousemove $(((ml + mr) / 2)) $((mt + (mb - mt) / 6)) sleep 0.3 click 1
  park_pointer
  drv_ok "the settings dialog opens" dialog 8000 || return
  expect_field "dialog caption" caption '設定' "$LAST_OUTPUT"
  expect_list "message list at opening" $DLG_MESSAGES 'ゴミ出し|会議 10:30 @-1'
  expect_buttons "at opening" "000|000"

  drv_ok "select the meeting" select $DLG_MESSAGES 1 || return
  expect_list "its dates" $DLG_DATES '第2火曜日|12月25日 @-1'
  expect_control "its text in the field" $DLG_TEXT text '会議 10:30'
  expect_buttons "after selecting a message" "001|100"

  drv_ok "calendar dates" press $DLG_CALENDAR || return
  expect_control "month box enabled by the mode switch" $DLG_MONTH enabled 1
  expect_control "ordinal box disabled by the mode switch" $DLG_ORDINAL enabled 0
  drv_ok "March" select $DLG_MONTH 2 || return
  drv_ok "the 14th" select $DLG_DAY 13 || return
  drv_ok "Add date" press $DLG_ADD_DATE || return
  expect_list "the new date, selected" $DLG_DATES '第2火曜日|12月25日|3月14日 @2'
  expect_buttons "after Add date" "001|001"

  drv_ok "OK" press $DLG_OK || return
  drv_ok "the dialog closes" no-dialog 3000 || return
  expect_ini "saved by OK" <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=2
00Num=1
0000=ゴミ出し
0001=5
01Num=3
0100=会議 10:30
0101=16
0102=1225
0103=314
INI
  sleep 0.4
  shot after
  # shellcheck disable=SC2046
  pixels after "the meeting marked among tomorrow's lines" $(line_checks tomorrow 0 plain) \
    $(line_checks tomorrow 1 marked) $(line_checks tomorrow 2 blank) $(line_checks today 0 blank)
  # The dialog cleared modalOpen: the menu opens again.
  drv_ok "right press on the board" rclick 20 20 && drv_ok "the menu opens after OK" menu 3000
  drv menu-escape >/dev/null
  close_board || return
}

e2e_case dialog-cancel ja "edits then Cancel: the file is untouched and the board shows its schedule"
case_dialog_cancel() {
  local E2E_DATE='@2008-03-13 09:00:00'
  two_messages_ini
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/original.ini"
  start_board || return
  open_settings || return
  # Delete the Friday message, add one for tomorrow, tick the options.
  drv_ok "select the first message" select $DLG_MESSAGES 0 || return
  drv_ok "Delete message" press $DLG_DELETE_MESSAGE || return
  expect_list "one message left" $DLG_MESSAGES '会議 10:30 @0'
  set_text $DLG_TEXT '歯医者' || return
  drv_ok "Add message" press $DLG_ADD_MESSAGE || return
  drv_ok "calendar dates" press $DLG_CALENDAR || return
  drv_ok "March" select $DLG_MONTH 2 && drv_ok "the 14th" select $DLG_DAY 13 || return
  drv_ok "Add date" press $DLG_ADD_DATE || return
  drv_ok "auto-exit box" press $DLG_AUTOEND || return
  expect_list "the edited list" $DLG_MESSAGES '会議 10:30|歯医者 @1'
  drv_ok "Cancel" press $DLG_CANCEL || return
  drv_ok "the dialog closes" no-dialog 3000 || return
  cmp -s "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini" || fail "Cancel changed notavex.ini"
  sleep 0.4
  shot after
  # The file's schedule again: Friday's message back, no dentist tomorrow.
  # shellcheck disable=SC2046
  pixels after "tomorrow as the file has it" $(line_checks tomorrow 0 plain) $(line_checks tomorrow 1 blank)
  drv_ok "right press on the board" rclick 20 20 && drv_ok "the menu opens after Cancel" menu 3000
  drv menu-escape >/dev/null
  # The store was reloaded, so closing saves the file's schedule.
  close_board || return
  cmp -s "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini" || fail "the close after Cancel saved the edits"
}

e2e_case dialog-length "ja en" "text limit in CP932 bytes: 31 bytes give the notice and no Add; 30 bytes are added"
case_dialog_length() {
  two_messages_ini
  start_board || return
  open_settings || return
  # 15 double-byte characters and one single-byte one: 31 bytes, 16 UTF-16 units.
  set_text $DLG_TEXT 'あいうえおかきくけこさしすせそA' || return
  expect_control "notice at 31 bytes" $DLG_NOTICE text "$LENGTH_NOTICE"
  expect_buttons "at 31 bytes" "000|000"
  set_text $DLG_TEXT 'ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺ' || return
  expect_control "30 single-byte katakana: no notice" $DLG_NOTICE text ''
  expect_buttons "at 30 single-byte characters" "100|000"
  set_text $DLG_TEXT '' || return
  expect_buttons "empty text" "000|000"
  # A selected message makes Change message follow the text too.
  drv_ok "select a message" select $DLG_MESSAGES 0 || return
  set_text $DLG_TEXT 'ゴミ出し（燃えるゴミ）の日です。' || return
  expect_control "32 bytes" $DLG_NOTICE text "$LENGTH_NOTICE"
  expect_buttons "32 bytes with a message selected" "001|100"
  set_text $DLG_TEXT 'あいうえおかきくけこさしすせそ' || return
  expect_control "15 double-byte characters: no notice" $DLG_NOTICE text ''
  expect_buttons "30 bytes with a message selected" "111|100"
  drv_ok "Add message" press $DLG_ADD_MESSAGE || return
  expect_list "added and selected" $DLG_MESSAGES 'ゴミ出し|会議 10:30|あいうえおかきくけこさしすせそ @2'
  expect_control "field cleared" $DLG_TEXT text ''
  drv_ok "OK" press $DLG_OK && drv_ok "the dialog closes" no-dialog 3000 || return
  expect_ini "the 30-byte message saved" <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=3
00Num=1
0000=ゴミ出し
0001=5
01Num=2
0100=会議 10:30
0101=16
0102=1225
02Num=0
0200=あいうえおかきくけこさしすせそ
INI
  close_board || return
}

e2e_case dialog-options ja "topmost box, auto-exit box and seconds field round-trip through OK into the file"
case_dialog_options() {
  write_ini <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=100
MessageNum=0
INI
  start_board || return
  open_settings || return
  expect_control "topmost 0: box ticked" $DLG_TOPMOST checked 1
  expect_control "autoend 0: box clear" $DLG_AUTOEND checked 0
  expect_control "endsec shown whole" $DLG_ENDSEC text 100
  expect_control "seconds field read-only" $DLG_ENDSEC readonly 1
  drv_ok "tick auto-exit" press $DLG_AUTOEND || return
  expect_control "ticking makes the seconds field editable" $DLG_ENDSEC readonly 0
  set_text $DLG_ENDSEC 7 || return
  drv_ok "clear topmost" press $DLG_TOPMOST || return
  drv_ok "OK" press $DLG_OK && drv_ok "the dialog closes" no-dialog 3000 || return
  expect_ini "options saved" <<'INI'
winX=300
winY=200
topmost=1
autoend=1
endsec=7
MessageNum=0
INI

  # Opened again from the stored values; then every option back, and an
  # empty seconds field, which is stored as 0.
  open_settings || return
  expect_control "topmost 1: box clear" $DLG_TOPMOST checked 0
  expect_control "autoend 1: box ticked" $DLG_AUTOEND checked 1
  expect_control "endsec" $DLG_ENDSEC text 7
  expect_control "editable" $DLG_ENDSEC readonly 0
  expect_control "typing limited to 2 characters" $DLG_ENDSEC limit 2
  drv_ok "tick topmost" press $DLG_TOPMOST || return
  set_text $DLG_ENDSEC '' || return
  drv_ok "clear auto-exit" press $DLG_AUTOEND || return
  expect_control "clearing makes the field read-only" $DLG_ENDSEC readonly 1
  drv_ok "OK" press $DLG_OK && drv_ok "the dialog closes" no-dialog 3000 || return
  expect_ini "options saved back" <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=0
MessageNum=0
INI
  close_board || return
}

e2e_case dialog-modal ja "while the dialog is open: no popup menu, and an auto-exit that falls due waits for it"
case_dialog_modal() {
  write_ini <<'INI'
winX=300
winY=200
topmost=0
autoend=1
endsec=5
MessageNum=0
INI
  local start=$SECONDS
  start_board || return
  open_settings || return
  drv_ok "right press on the board" rclick 20 20 || return
  drv_ok "no menu from the board" no-menu 1000
  drv_ok "right press on the tray icon" tray right || return
  drv_ok "no menu from the tray icon" no-menu 1000
  # Past the five seconds: the count has run out, the dialog holds the exit.
  local left=$((start + 8 - SECONDS))
  [ "$left" -gt 0 ] && sleep "$left"
  expect_running "8 s after start with the dialog open"
  drv_ok "the dialog is still open" dialog 0 || return
  drv_ok "Cancel" press $DLG_CANCEL || return
  expect_exit "the auto-exit after the dialog closed" 3
}

e2e_case dialog-done "ja en" "a message with 第2火曜日 and 3月14日 added and saved; restarted on 11 March it is marked today"
case_dialog_done() {
  write_ini <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=1
00Num=1
0000=水曜日の用事
0001=3
INI
  start_board || return
  open_settings || return
  set_text $DLG_TEXT '燃えないゴミ' || return
  drv_ok "Add message" press $DLG_ADD_MESSAGE || return
  expect_list "the new message, selected" $DLG_MESSAGES '水曜日の用事|燃えないゴミ @1'
  expect_buttons "after Add message" "001|100"
  drv_ok "第2" select $DLG_ORDINAL 2 && drv_ok "火曜日" select $DLG_WEEKDAY 2 || return
  drv_ok "Add date" press $DLG_ADD_DATE || return
  drv_ok "calendar dates" press $DLG_CALENDAR || return
  drv_ok "March" select $DLG_MONTH 2 && drv_ok "the 14th" select $DLG_DAY 13 || return
  drv_ok "Add date" press $DLG_ADD_DATE || return
  expect_list "both dates" $DLG_DATES '第2火曜日|3月14日 @1'
  drv_ok "OK" press $DLG_OK && drv_ok "the dialog closes" no-dialog 3000 || return
  close_board "closing after OK" || return
  expect_ini "saved with both codes" <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=2
00Num=1
0000=水曜日の用事
0001=3
01Num=2
0100=燃えないゴミ
0101=16
0102=314
INI
  # Tuesday 11 March 2008 is the second Tuesday of the month.
  local E2E_DATE='@2008-03-11 09:00:00'
  start_board || return
  shot restarted
  # shellcheck disable=SC2046
  pixels restarted "the new message marked among today's lines" $(line_checks today 0 marked) \
    $(line_checks today 1 blank) $(line_checks tomorrow 0 plain) $(line_checks tomorrow 1 blank)
  close_board || return
}

e2e_case dialog-midnight ja "midnight passes with the dialog open; after Cancel the date column is the 15th's, not drawn over the 14th's"
case_dialog_midnight() {
  write_ini <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/original.ini"
  local column='220 0 249 92'

  # What the 15th looks like when the board starts on it.
  local E2E_DATE='@2008-03-15 09:00:00'
  start_board || return
  shot fifteenth
  local place="$BOARD_X $BOARD_Y"
  close_board "closing the board of the 15th" || return
  cp "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini"

  # The '@' form lets the board's clock run on from ten seconds before midnight.
  # shellcheck disable=SC2034  # start_board reads it
  local E2E_DATE='@2008-03-14 23:59:50'
  start_board || return
  expect_eq "the board's place" "$BOARD_X $BOARD_Y" "$place"
  # Before the dialog, which hides the whole board while it is open.
  shot before
  # shellcheck disable=SC2046,SC2086
  pixels before "the 14th's column, unlike the 15th's" $(date_checks) \
    differ "$CASE_DIR/fifteenth.rgb" $column 1 -1
  open_settings || return
  # The board's clock started no later than the board showed: past midnight
  # ten seconds after that, with some slack.
  local wait_ms=$((BOARD_SHOWN_MS + 10500 - $(now_ms)))
  [ "$wait_ms" -gt 0 ] && sleep "$((wait_ms / 1000)).$(printf '%03d' $((wait_ms % 1000)))"
  drv_ok "Cancel" press $DLG_CANCEL || return
  drv_ok "the dialog closes" no-dialog 3000 || return
  sleep 0.4
  shot after
  # shellcheck disable=SC2086
  pixels after "the column after Cancel, against the board started on the 15th" \
    differ "$CASE_DIR/fifteenth.rgb" $column 0 0
  close_board || return
}

e2e_case dialog-refused "ja en" "a character CP932 lacks (🎂) typed into the message: the notice names it, nothing is added, the file holds no \"?\""
case_dialog_refused() {
  two_messages_ini
  start_board || return
  open_settings || return
  set_text $DLG_TEXT '誕生日🎂' || return
  expect_control "the notice" $DLG_NOTICE text 'U+1F382 は使えません'
  expect_buttons "with the character" "000|000"
  drv_ok "a stray Add message" dialog-command $DLG_ADD_MESSAGE || return
  drv_ok "OK" press $DLG_OK && drv_ok "the dialog closes" no-dialog 3000 || return
  grep -q '?' "$CASE_DIR/notavex.ini" && fail "the file holds a \"?\""
  close_board
}
