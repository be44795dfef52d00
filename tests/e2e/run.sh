#!/usr/bin/env bash
# End-to-end tests of the real notavex.exe under Wine on a virtual display.
#
#   tests/e2e/run.sh [options] [CASE...]
#
# CASE is a case name or a shell pattern, optionally with @ja or @en to pick
# one locale (e.g. overflow@en, 'version-*'); without CASE every case runs.
# Options:
#   --windows-build DIR  where notavex.exe and notavex-driver.exe were built
#                        (default build/windows; or set NOTAVEX_EXE, NOTAVEX_DRIVER)
#   --native-build DIR   where pixelcheck was built (default build/native; or set
#                        PIXELCHECK); built into the run's temp dir when missing
#   --keep DIR           copy the directories of failed cases there (settings
#                        file, logs, screenshots as PNG)
#   --list               list the cases and exit
#
# Cases marked "ja en" run twice: under a Japanese Wine locale (ANSI code
# page 932) and an English one (1252). Prints PASS or FAIL per case and ends
# with "N passed, N failed"; exits 1 when any case failed.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
windows_build=$root/build/windows
native_build=$root/build/native
keep_dir=""
list_only=""
patterns=()

while [ $# -gt 0 ]; do
  case $1 in
    --windows-build) windows_build=$2; shift 2 ;;
    --native-build) native_build=$2; shift 2 ;;
    --keep) keep_dir=$2; shift 2 ;;
    --list) list_only=1; shift ;;
    -h|--help) sed -n '2,/^set -uo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) patterns+=("$1"); shift ;;
  esac
done

# shellcheck source=lib/session.sh
. "$here/lib/session.sh"
# shellcheck source=lib/case.sh
. "$here/lib/case.sh"

CASE_NAMES=()
CASE_LOCALES=()
CASE_TITLES=()
e2e_case() {
  CASE_NAMES+=("$1")
  CASE_LOCALES+=("$2")
  CASE_TITLES+=("$3")
}
for file in shell lines boxes tray dialog files day watch single startup encoding download scale; do
  # shellcheck disable=SC1090
  . "$here/cases/$file.sh"
done

locale_of() { case $1 in ja) echo ja_JP.UTF-8 ;; en) echo en_US.UTF-8 ;; esac; }
acp_of() { case $1 in ja) echo 932 ;; en) echo 1252 ;; esac; }

selected() {  # name locale
  [ ${#patterns[@]} -eq 0 ] && return 0
  local p
  for p in "${patterns[@]}"; do
    # shellcheck disable=SC2053
    [[ $1 == $p || "$1@$2" == $p ]] && return 0
  done
  return 1
}

if [ -n "$list_only" ]; then
  for i in "${!CASE_NAMES[@]}"; do
    printf '%-16s %-6s %s\n' "${CASE_NAMES[$i]}" "${CASE_LOCALES[$i]}" "${CASE_TITLES[$i]}"
  done
  exit 0
fi

# The runs to do, Japanese first: one server start per locale.
runs=()
for loc in ja en; do
  for i in "${!CASE_NAMES[@]}"; do
    [[ " ${CASE_LOCALES[$i]} " == *" $loc "* ]] || continue
    selected "${CASE_NAMES[$i]}" "$loc" && runs+=("$loc:${CASE_NAMES[$i]}")
  done
done
if [ ${#runs[@]} -eq 0 ]; then
  echo "no case matches: ${patterns[*]}" >&2
  exit 2
fi

E2E_NOTAVEX=${NOTAVEX_EXE:-$windows_build/app/notavex.exe}
E2E_DRIVER=${NOTAVEX_DRIVER:-$windows_build/tests/e2e/driver/notavex-driver.exe}
E2E_PIXELCHECK=${PIXELCHECK:-$native_build/tests/e2e/pixelcheck/pixelcheck}
for tool in "$E2E_NOTAVEX" "$E2E_DRIVER"; do
  if [ ! -f "$tool" ]; then
    echo "missing $tool: build the Windows preset first (cmake --preset windows && cmake --build --preset windows)" >&2
    exit 2
  fi
done
for tool in Xvfb xdpyinfo wine wineserver xdotool import iconv; do
  command -v "$tool" >/dev/null || { echo "missing $tool: tools/install-deps.sh test" >&2; exit 2; }
done
[ -f "$E2E_FAKETIME_LIB" ] || { echo "missing $E2E_FAKETIME_LIB: install faketime" >&2; exit 2; }

trap 'stop_board; session_cleanup' EXIT
trap 'exit 130' INT TERM

session_make_dir
if [ ! -x "$E2E_PIXELCHECK" ]; then
  E2E_PIXELCHECK=$E2E_RUN_DIR/pixelcheck
  g++ -std=c++17 -O2 -I"$here/pixelcheck" -o "$E2E_PIXELCHECK" "$here"/pixelcheck/*.cpp || exit 2
fi
started=$SECONDS
session_start_display || exit 2
echo "e2e: display $DISPLAY, prefix $WINEPREFIX"
session_make_prefix || exit 2
echo "e2e: prefix ready after $((SECONDS - started))s"

passed=0
failed=0
current=""

report_case() {  # label seconds
  if [ ${#CASE_FAILS[@]} -eq 0 ]; then
    passed=$((passed + 1))
    printf 'PASS %s (%ss)\n' "$1" "$2"
    return
  fi
  failed=$((failed + 1))
  printf 'FAIL %s (%ss)\n' "$1" "$2"
  local f
  for f in "${CASE_FAILS[@]}"; do printf '     %s\n' "$f"; done
  if [ -n "$keep_dir" ]; then
    local dest="$keep_dir/${1//[^A-Za-z0-9@_-]/_}"
    mkdir -p "$dest" && cp -r "$CASE_DIR"/. "$dest"/
    local raw
    for raw in "$dest"/*.rgb; do
      [ -f "$raw" ] || continue
      convert -size "${E2E_SCREEN_W}x${E2E_SCREEN_H}" -depth 8 "rgb:$raw" "${raw%.rgb}.png" 2>/dev/null && rm -f "$raw"
    done
  fi
}

for run in "${runs[@]}"; do
  loc=${run%%:*}
  name=${run#*:}
  label="$name (ACP $(acp_of "$loc"))"
  if [ "$loc" != "$current" ]; then
    current=$loc
    session_start_server "$(locale_of "$loc")"
    CASE_DIR=$E2E_RUN_DIR
    acp=$(drv acp | awk '{ print $2 }' | tr -d '\r')
    if [ "$acp" != "$(acp_of "$loc")" ]; then
      echo "e2e: the $(locale_of "$loc") session has ANSI code page '$acp', not $(acp_of "$loc")"
      session_locale_broken=1
    else
      session_locale_broken=""
    fi
  fi
  CASE_DIR=$(mktemp -d "$E2E_RUN_DIR/case.XXXX")
  CASE_FAILS=()
  if [ -n "$session_locale_broken" ]; then
    fail "the Wine session does not have ANSI code page $(acp_of "$loc")"
    report_case "$label" 0
    continue
  fi
  case_start=$SECONDS
  # No board of an earlier case may still be there.
  if ! drv gone 5000 >/dev/null; then
    fail "a board of an earlier case is still open"
  else
    park_pointer
    "case_${name//-/_}"
  fi
  stop_board
  drv no-menu 0 >/dev/null || drv menu-escape >/dev/null
  report_case "$label" $((SECONDS - case_start))
done

echo "e2e: $((SECONDS - started))s in all"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
