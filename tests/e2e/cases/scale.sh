# The board at display scales above 100 %: drawn for the scale, not stretched.

# DPI:font height of the lines, as the board picks them (30 single-byte
# characters must fit); 132 (137.5 %) shows the 150 % picture scaled down.
SCALES="96:12 132:16 144:18 192:24"
# What a corner may show: what lies below, the board's frame, board and
# ledge; a colour blended with the key would be none of them.
CORNER_COLOURS="$ROOT 121,122,58 $GREEN 192,192,192 128,128,128 64,64,64"

# A 100 % length at the DPI, rounded as MulDiv rounds.
at_dpi() { echo $((($1 * $2 + 48) / 96)); }

board_at_scale() {  # dpi font-height
  local d=$1 h=$2 w hh c cx cy side x0 x1 y0 m
  session_set_dpi "$d"
  # Today: the longest line, then a marked one.
  printf '%s\n' winX=40 winY=40 topmost=0 autoend=0 endsec=10 MessageNum=2 00Num=1 \
    0000=MMMMMMMMMMMMMMMMMMMMMMMMMMMMMM 0001=5 01Num=1 0100=■■■■ 0101=314 | write_ini
  start_board || return
  w=$(at_dpi 250 "$d") hh=$(at_dpi 100 "$d") side=$(at_dpi 8 "$d")
  expect_eq "client at $d DPI" "$(field client "$LAST_OUTPUT")" "40 40 $w $hh"
  shot "scale-$d"
  pixels "scale-$d" "corners at $d DPI" pixel 0 0 "$ROOT" pixel $((w - 1)) 0 "$ROOT" pixel 0 $((hh - 1)) "$ROOT" \
    pixel $((w - 1)) $((hh - 1)) "$ROOT" none 0 0 $((w - 1)) $((hh - 1)) "$KEY"
  for cx in 0 $((w - side)); do
    for cy in 0 $((hh - side)); do
      for c in $(convert -size "${E2E_SCREEN_W}x${E2E_SCREEN_H}" -depth 8 "rgb:$CASE_DIR/scale-$d.rgb" \
        -crop "${side}x$side+$((40 + cx))+$((40 + cy))" -unique-colors -depth 8 txt:- | sed -n 's/^[^(]*(\([0-9,]*\)).*/\1/p'); do
        [[ " $CORNER_COLOURS " == *" $c "* ]] || fail "the corner at $cx,$cy at $d DPI shows $c"
      done
    done
  done
  # The 30 characters reach across most of the writing area and stay in it;
  # the squares are as tall as the font; the mark lies as far off as scaled.
  x0=$(at_dpi 35 "$d") x1=$(($(at_dpi 220 "$d") - 1)) m=$(at_dpi 1 "$d") y0=$(at_dpi 18 "$d")
  pixels "scale-$d" "text at $d DPI" \
    right "$x0" "$(at_dpi 5 "$d")" $(($(at_dpi 229 "$d") - 1)) $((y0 - 1)) "$WHITE" $((x0 + 28 * (h / 2 - 1))) "$x1" \
    top "$x0" "$y0" "$x1" $((y0 + h - 1)) "$WHITE" "$y0" $((y0 + h / 4)) \
    bottom "$x0" "$y0" "$x1" $((y0 + h - 1)) "$WHITE" $((y0 + 2 * h / 3)) $((y0 + h - 1)) \
    shadow "$x0" "$y0" "$x1" $((y0 + h - 1)) "$MARK" "$m" "$m" "$WHITE" 12
  close_board "WM_CLOSE at $d DPI" || return
  [ "$(head -2 "$CASE_DIR/notavex.ini" | tr -d '\r' | tr '\n' ' ')" = "winX=40 winY=40 " ] ||
    fail "at $d DPI the position was not saved as 40, 40"
}

e2e_case display-scale ja "at 100, 137.5, 150 and 200 %: the board drawn for its scale, its text at the scaled height, clean corners"
case_display_scale() {
  local row size="${E2E_SCREEN_W}x${E2E_SCREEN_H}"
  for row in $SCALES; do board_at_scale "${row%%:*}" "${row#*:}"; done
  session_set_dpi 96
  # A board stretched from 100 % would show the 100 % writing area doubled.
  convert -size "$size" -depth 8 "rgb:$CASE_DIR/scale-96.rgb" -crop 185x80+75+45 +repage -sample 200% \
    "$CASE_DIR/doubled.png" &&
    convert -size "$size" xc:black "$CASE_DIR/doubled.png" -geometry +110+50 -composite -depth 8 \
      "rgb:$CASE_DIR/doubled.rgb" &&
    pixels scale-192 "the 200 % writing area drawn anew, not doubled" \
      differ "$CASE_DIR/doubled.rgb" 70 10 439 169 1000 -1
}
