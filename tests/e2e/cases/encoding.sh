# Settings files that an editor saved as UTF-16 or UTF-8: the board shows
# what their CP932 twin shows, and the close writes CP932 again.

ENCODINGS="utf16le utf16be utf8-mark utf8"

# Two Japanese messages, today's and tomorrow's, as UTF-8 lines; the order
# and form in which the program writes them, so that the saved file can be
# compared byte for byte.
two_messages() {
  cat <<'INI'
winX=40
winY=330
topmost=0
autoend=0
endsec=10
MessageNum=2
00Num=1
0000=歯医者 10:30
0001=314
01Num=1
0100=図書館へ本を返す
0101=315
INI
}

# UTF-8 lines on stdin to notavex.ini in an encoding, with CR LF; a copy of
# the bytes stays in original.ini. Backups of the file before go, so that the
# next one made is notavex.ini.bak.
write_encoded() {
  case $1 in
    utf16le) printf '\xff\xfe'; sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE ;;
    utf16be) printf '\xfe\xff'; sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16BE ;;
    utf8-mark) printf '\xef\xbb\xbf'; sed 's/$/\r/' ;;
    utf8) sed 's/$/\r/' ;;
  esac >"$CASE_DIR/notavex.ini"
  cp "$CASE_DIR/notavex.ini" "$CASE_DIR/original.ini"
  rm -f "$CASE_DIR"/notavex.ini*.bak
}

e2e_case encoding-files "ja en" "UTF-16 LE/BE and UTF-8 files show what their CP932 twin shows and are saved as CP932"
case_encoding_files() {
  two_messages | write_ini
  start_board || return
  shot twin
  # shellcheck disable=SC2046
  pixels twin "the CP932 file's lines" $(line_checks today 0 marked) $(line_checks today 1 blank) \
    $(line_checks tomorrow 0 marked) $(line_checks tomorrow 1 blank)
  close_board "closing the CP932 board" || return
  local encoding
  for encoding in $ENCODINGS; do
    two_messages | write_encoded "$encoding"
    start_board || return
    expect_eq "$encoding: the board's place" "$BOARD_X $BOARD_Y" "40 330"
    shot "$encoding"
    pixels "$encoding" "$encoding: the board as the CP932 file drew it" \
      differ "$CASE_DIR/twin.rgb" 0 0 249 99 0 0
    close_board "closing the $encoding board" || return
    two_messages | expect_ini "$encoding: saved as CP932"
  done
}

e2e_case encoding-backup "ja en" "the original UTF-16 or UTF-8 file is kept byte for byte in notavex.ini.bak"
case_encoding_backup() {
  local encoding
  for encoding in $ENCODINGS; do
    two_messages | write_encoded "$encoding"
    start_board || return
    close_board "closing the $encoding board" || return
    cmp -s "$CASE_DIR/original.ini" "$CASE_DIR/notavex.ini.bak" ||
      fail "$encoding: notavex.ini.bak does not hold the original file"
  done
}

e2e_case encoding-twins "ja en" "characters spelt two ways save the same CP932 bytes"
case_encoding_twins() {
  # 〜 − ‖ ¢ £ ¬ against ～ － ∥ ￠ ￡ ￢: with a mark, since ¢, £ and ¬ take
  # two bytes in UTF-8.
  local form
  for form in '〜−‖¢£¬' '～－∥￠￡￢'; do
    printf 'winX=40\nwinY=330\ntopmost=0\nautoend=0\nendsec=10\nMessageNum=1\n00Num=1\n0000=%s\n0001=314\n' "$form" |
      write_encoded utf8-mark
    start_board || return
    close_board "closing the board of $form" || return
    # glibc gives the full-width forms the bytes 81 60, 81 7C, 81 61, 81 91,
    # 81 92 and 81 CA, which Windows reads back as them.
    expect_ini "$form saved" <<'INI'
winX=40
winY=330
topmost=0
autoend=0
endsec=10
MessageNum=1
00Num=1
0000=～－∥￠￡￢
0001=314
INI
  done
}
