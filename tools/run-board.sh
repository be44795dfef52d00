#!/usr/bin/env bash
# Runs the board (notavex.exe) under Wine with notavex.ini in the current
# directory.
#
# With a display ($DISPLAY set) it just runs the board until you close it.
# Without one it starts a virtual display and a throw-away Wine prefix, runs
# the board, writes a picture of it to notavex-board.png in the current
# directory, ends it through its own close path (WM_CLOSE, so notavex.ini is
# saved as on any close) and cleans everything up.
#
# Expects the Windows build (cmake --preset windows && cmake --build --preset
# windows), or NOTAVEX_EXE and NOTAVEX_DRIVER pointing at the programs.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
E2E_NOTAVEX=${NOTAVEX_EXE:-$root/build/windows/app/notavex.exe}
E2E_DRIVER=${NOTAVEX_DRIVER:-$root/build/windows/tests/e2e/driver/notavex-driver.exe}

if [ ! -f "$E2E_NOTAVEX" ]; then
  echo "missing $E2E_NOTAVEX: build it first (cmake --preset windows && cmake --build --preset windows)" >&2
  exit 2
fi

# Wine's winemenubuilder would copy the prefix's menu entries, among them a
# startup shortcut made from the board's menu, into the Linux home.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"

if [ -n "${DISPLAY:-}" ]; then
  exec wine "$E2E_NOTAVEX"
fi

if [ ! -f "$E2E_DRIVER" ]; then
  echo "missing $E2E_DRIVER: build the Windows preset first" >&2
  exit 2
fi
for tool in Xvfb xdpyinfo wine wineserver import iconv; do
  command -v "$tool" >/dev/null || { echo "missing $tool: tools/install-deps.sh run" >&2; exit 2; }
done

# shellcheck source=../tests/e2e/lib/session.sh
. "$root/tests/e2e/lib/session.sh"

board_pid=""
finish() {
  if [ -n "$board_pid" ] && kill -0 "$board_pid" 2>/dev/null; then
    kill "$board_pid" 2>/dev/null
    wait "$board_pid" 2>/dev/null
  fi
  session_cleanup
}
trap finish EXIT
trap 'exit 130' INT TERM

echo "No display: running the board on a virtual one (the first start of Wine takes a few seconds)."
session_make_dir
session_start_display || exit 1
session_make_prefix || exit 1
session_start_server ja_JP.UTF-8

drv() { timeout 60 env LC_ALL="$E2E_LOCALE" wine "$E2E_DRIVER" "$@" 2>/dev/null; }

env LC_ALL="$E2E_LOCALE" wine "$E2E_NOTAVEX" >"$E2E_RUN_DIR/board.log" 2>&1 &
board_pid=$!
if ! report=$(drv wait 20000); then
  echo "the board did not appear (see $E2E_RUN_DIR/board.log)" >&2
  E2E_KEEP_RUN_DIR=1
  exit 1
fi
sleep 0.5
client=$(printf '%s\n' "$report" | awk '$1 == "client" { print $2, $3, $4, $5; exit }')
read -r x y w h <<<"$client"
import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage png:notavex-board.png
echo "Wrote notavex-board.png (${w}x${h}, the board as placed at $x,$y)."

# A box the board shows after its first paint (more than three messages on a
# day) is part of what the user sees: report it.
if boxes=$(drv dialog 500); then
  printf 'The board also shows a box: %s\n' "$(printf '%s\n' "$boxes" | awk '$1 == "caption" { sub("^caption ", ""); print; exit }')"
fi

drv close >/dev/null
for _ in $(seq 1 100); do
  kill -0 "$board_pid" 2>/dev/null || break
  sleep 0.1
done
wait "$board_pid" 2>/dev/null
board_pid=""
echo "The board was closed through its own close path; notavex.ini was saved."
