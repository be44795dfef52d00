# Start with Windows from the menu. The Startup folder is read back through
# the shell's link object (driver startup-links), the item's mark off the
# screen: the menu belongs to the board's process. start_in, end_started and
# plain_ini are single.sh's.

# Windows' name of a Unix path, as the driver prints it (backslashes doubled).
windows_path() { local p; p=$(realpath "$1"); printf 'Z:%s' "${p//\//\\\\}"; }

# Opens board $1's menu at a fixed place: MENU_L, MENU_T, MENU_R, MENU_B.
startup_menu() {
  xdotool mousemove 700 600 sleep 0.2
  drv_ok "right press" --board "$1" rclick 20 20 && drv_ok "popup menu" menu 5000 || return 1
  read -r MENU_L MENU_T MENU_R MENU_B <<<"$(field rect "$LAST_OUTPUT")"
}

# Chooses the second of the four items with the mouse; within 3 s the
# Startup folder must hold just the shortcuts given as TARGET|FOLDER.
choose_startup() {  # board shortcut...
  local board=$1 want seen
  shift
  startup_menu "$board" || return
  xdotool mousemove $(((MENU_L + MENU_R) / 2)) $((MENU_T + (MENU_B - MENU_T) * 3 / 8)) sleep 0.3 click 1
  park_pointer
  want=$(printf '%s\n' "$@" | LC_ALL=C sort)
  for _ in $(seq 15); do
    LINKS=$(drv startup-links | sed -n 's/^link //p' | LC_ALL=C sort)
    seen=$(cut -d'|' -f1,2 <<<"$LINKS")
    [ "$seen" = "$want" ] && return 0
    sleep 0.2
  done
  fail "chosen on $board: shortcuts [$seen], not [$want]"
}

# The check mark: black pixels (min max) in the left margin of the second row.
expect_mark() {  # board what min max
  startup_menu "$1" && sleep 0.3 && shot menu || return
  local h=$((MENU_B - MENU_T))
  BOARD_X=$MENU_L BOARD_Y=$MENU_T pixels menu "$2" count 1 $((h / 4 + 2)) 14 $((h / 2 - 2)) 0,0,0 "$3" "$4"
  drv --board "$1" menu-escape >/dev/null
  drv no-menu 1000 >/dev/null || fail "$2: the menu stayed open"
}

e2e_case startup "ja en" "Windowsの起動時に表示 makes and removes a Startup shortcut to the exe in the board's folder, checked while it is there; two folders, two shortcuts"
case_startup() {
  # Two folders of one name: the second shortcut needs a name of its own.
  local a="$CASE_DIR/Ａ/予定表" b="$CASE_DIR/Ｂ/予定表" exe in_a in_b
  mkdir -p "$a" "$b" && plain_ini "$a" 100 && plain_ini "$b" 400
  exe=$(windows_path "$E2E_NOTAVEX")
  in_a="$exe|$(windows_path "$a")" in_b="$exe|$(windows_path "$b")"
  if ! start_in "$a" || ! start_in "$b"; then end_started; return; fi
  choose_startup "${OTHER_WINDOWS[0]}" "$in_a"
  expect_mark "${OTHER_WINDOWS[0]}" "checked with its shortcut" 1 -1
  choose_startup "${OTHER_WINDOWS[1]}" "$in_a" "$in_b"
  expect_eq "named after the folder, Ａ's first" "$(cut -d'|' -f3 <<<"$LINKS" | tr '\n' ' ')" \
    "Notavex - 予定表.lnk Notavex - 予定表 (2).lnk "
  choose_startup "${OTHER_WINDOWS[0]}" "$in_b"
  expect_mark "${OTHER_WINDOWS[0]}" "unchecked with only Ｂ's shortcut" 0 0
  end_started
  # The prefix is shared with the next locale's run.
  find "$WINEPREFIX/drive_c/users" -ipath '*/startup/*.lnk' -delete
}
