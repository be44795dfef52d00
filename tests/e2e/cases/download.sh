# The download: the zip of tools/release.sh unpacked where a Japanese user
# would put it, and the program in it started there.

e2e_case unzipped ja "the release zip unpacked into a Japanese folder with spaces: the board starts there, creates notavex.ini there and saves it there"
case_unzipped() {
  local zips=("$root"/dist/notavex-*-win64.zip)
  [ -n "${NOTAVEX_ZIP:-}" ] && zips=("$NOTAVEX_ZIP")
  if [ ${#zips[@]} -ne 1 ] || [ ! -f "${zips[0]}" ]; then
    fail "want one dist/notavex-*-win64.zip (tools/release.sh makes it), found: ${zips[*]}"
    return
  fi
  local tools="$WINEPREFIX/drive_c/users/テスト ユーザー/ツール"
  rm -rf "$tools"
  mkdir -p "$tools"
  unzip -q "${zips[0]}" -d "$tools" || { fail "unzip ${zips[0]}"; return; }
  # C:\users\テスト ユーザー\ツール\notavex is the working folder, and the
  # case's files (logs included) live there. Wine falls back to the Windows
  # folder when it cannot enter it, which leaves no notavex.ini here.
  CASE_DIR="$tools/notavex"
  local E2E_NOTAVEX="$CASE_DIR/notavex.exe"
  start_board || return
  [ -f "$CASE_DIR/notavex.ini" ] || fail "no notavex.ini in the program's folder after the start"
  shot board
  # shellcheck disable=SC2046
  pixels board "the board is drawn" all 35 5 219 84 "$GREEN" $(date_checks)
  close_board || return
  saved_since_start || fail "WM_CLOSE did not save notavex.ini in the program's folder"
  expect_ini "saved at close" <<'INI'
winX=0
winY=0
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
}
