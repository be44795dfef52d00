# Edits made to notavex.ini while the board runs: read, shown, kept at
# close, and never written over without a backup.

# A schedule of 14 March with the message on line $1 of today marked (a
# calendar date) and the board at 300, 200.
watch_ini() {  # marked-line
  local i
  printf 'winX=300\r\nwinY=200\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=%d\r\n' $(($1 + 1))
  for i in $(seq 0 "$1"); do
    if [ "$i" -lt "$1" ]; then
      printf '%02dNum=1\r\n%02d00=plain %d\r\n%02d01=5\r\n' "$i" "$i" "$i" "$i"
    else
      printf '%02dNum=1\r\n%02d00=dated %d\r\n%02d01=314\r\n' "$i" "$i" "$i" "$i"
    fi
  done
}

# Today's line $2 is drawn marked within $3 ms.
expect_marked_line() {  # what k ms
  # shellcheck disable=SC2046
  pixels_within "$1" "$3" $(line_checks today "$2" marked)
}

e2e_case outside-edit ja "notavex.ini replaced by an editor, by rename and in place: the board shows it within 6 s and keeps it at close"
case_outside_edit() {
  printf 'winX=300\r\nwinY=200\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n' >"$CASE_DIR/notavex.ini"
  start_board || return
  # A safe save: a new file renamed over the old one.
  watch_ini 0 >"$CASE_DIR/editor.tmp"
  mv "$CASE_DIR/editor.tmp" "$CASE_DIR/notavex.ini"
  expect_marked_line "replaced by rename" 0 6000
  # In place, at another place than the board's.
  watch_ini 1 | sed 's/^winX=300/winX=600/' >"$CASE_DIR/notavex.ini"
  expect_marked_line "written in place" 1 6000
  refresh_board
  expect_eq "the board did not move" "$BOARD_X $BOARD_Y" "300 200"
  close_board || return
  watch_ini 1 >"$CASE_DIR/expected.ini"
  cmp -s "$CASE_DIR/expected.ini" "$CASE_DIR/notavex.ini" ||
    fail "the outside schedule with the board's place is not what the close saved"
  ls "$CASE_DIR"/notavex.ini.*bak >/dev/null 2>&1 && fail "a backup of a file read whole"
}

e2e_case outside-edit-dialog ja "an outside edit while the settings dialog is open, then OK: the dialog's result in the file, the edit in a backup"
case_outside_edit_dialog() {
  printf 'winX=300\r\nwinY=200\r\ntopmost=0\r\nautoend=0\r\nendsec=10\r\nMessageNum=0\r\n' >"$CASE_DIR/notavex.ini"
  start_board || return
  open_settings || return
  watch_ini 0 >"$CASE_DIR/notavex.ini"
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/outside.ini"
  # Longer than two looks: the watch waits for the dialog.
  sleep 4.5
  drv_ok "OK" press $DLG_OK || return
  drv_ok "the dialog closes" no-dialog 3000 || return
  cmp -s "$CASE_DIR/outside.ini" "$CASE_DIR/notavex.ini.bak" || fail "the outside version is not in notavex.ini.bak"
  expect_ini "the dialog's result" <<'INI'
winX=300
winY=200
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
  # A second OK is the program's own version: no backup more.
  open_settings || return
  drv_ok "OK again" press $DLG_OK || return
  drv_ok "the dialog closes" no-dialog 3000 || return
  [ -e "$CASE_DIR/notavex.ini.1.bak" ] && fail "the second OK made a backup"
  close_board || return
}

e2e_case cancel-deleted ja "the file deleted while the settings dialog is open: Cancel creates none; the close writes the schedule from before the dialog"
case_cancel_deleted() {
  watch_ini 0 >"$CASE_DIR/notavex.ini"
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/before.ini"
  start_board || return
  open_settings || return
  drv_ok "select the message" select $DLG_MESSAGES 0 || return
  drv_ok "delete it" press $DLG_DELETE_MESSAGE || return
  rm "$CASE_DIR/notavex.ini"
  drv_ok "Cancel" press $DLG_CANCEL || return
  drv_ok "the dialog closes" no-dialog 3000 || return
  sleep 2.5
  [ -e "$CASE_DIR/notavex.ini" ] && fail "Cancel made a file"
  close_board || return
  cmp -s "$CASE_DIR/before.ini" "$CASE_DIR/notavex.ini" || fail "the close did not write the schedule from before the dialog"
}
