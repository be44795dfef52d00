#!/usr/bin/env bash
# The main job: builds notavex.exe and shows the board for ./notavex.ini
# (created with the defaults when missing). Without a display the board is
# shown on a virtual one, pictured in notavex-board.png and closed again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/install-deps.sh" run
(
  cd "$root"
  cmake --preset windows >/dev/null
  cmake --build --preset windows -j"$(nproc)" --target notavex notavex-driver >/dev/null
)
exec "$root/tools/run-board.sh"
