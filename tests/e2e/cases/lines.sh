# What the board draws: lines and marks, month, day and weekday, and the
# Japanese text through the UTF-16 door under both code pages.

e2e_case board-lines "ja en" "lines, marks and date drawn at their places; Japanese under either code page"
case_board_lines() {
  # Friday 14 March. Today: 314 (marked) and 5 (every Friday, plain);
  # tomorrow: 6 (every Saturday, plain) and 27 (third Saturday, marked).
  # Week rules are drawn before calendar dates whatever the message order,
  # so today's plain line comes first.
  write_ini <<'INI'
winX=40
winY=330
topmost=0
autoend=0
endsec=10
MessageNum=4
00Num=1
0000=歯医者 10:30
0001=314
01Num=1
0100=ゴミ出しの日
0101=5
02Num=1
0200=ＡＢＣ abc
0201=6
03Num=1
0300=図書館
0301=27
INI
  start_board || return
  expect_eq "board at its saved place" "$BOARD_X $BOARD_Y" "40 330"
  shot board
  # shellcheck disable=SC2046
  pixels board "corners show what lies below" $(corner_checks "$ROOT")
  # shellcheck disable=SC2046
  pixels board "lines and marks" $(line_checks today 0 plain) $(line_checks today 1 marked) \
    $(line_checks today 2 blank) $(line_checks tomorrow 0 plain) \
    $(line_checks tomorrow 1 marked) $(line_checks tomorrow 2 blank)
  pixels board "green between the days" all 35 31 219 45 "$GREEN"
  # shellcheck disable=SC2046
  pixels board "month and day" $(date_checks)
  # shellcheck disable=SC2046
  if pixels board "mask of today's first line" mask $(line_rect today 0) "$WHITE"; then
    local mask seen
    mask=$(awk '{ print $2 }' <<<"$LAST_OUTPUT")
    seen=$(recall lines-today0)
    if [ -z "$seen" ]; then remember lines-today0 "$mask"; else
      expect_eq "today's first line drawn as under the other code page" "$mask" "$seen"
    fi
  fi
  close_board || return
}
