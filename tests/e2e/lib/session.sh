# The Wine session of an end-to-end run: a virtual X display, one fresh Wine
# prefix, a persistent wineserver per locale, and a cleanup that leaves no
# process behind. Sourced by run.sh and show_board.sh.

E2E_SCREEN_W=1024
E2E_SCREEN_H=768
E2E_FAKETIME_LIB=${E2E_FAKETIME_LIB:-/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1}

E2E_RUN_DIR=""
E2E_XVFB_PID=""
E2E_PREFIX_READY=""
E2E_LOCALE=""

e2e_log() { printf '%s\n' "$*" >&2; }

# A temporary directory for the whole run: prefix, case directories, logs.
session_make_dir() {
  E2E_RUN_DIR=$(mktemp -d "${TMPDIR:-/tmp}/notavex-e2e.XXXXXX")
  export WINEPREFIX="$E2E_RUN_DIR/prefix"
  export WINEDEBUG=-all
  # No Mono or Gecko: nothing here needs them, and their installers would
  # ask questions on the virtual display. No winemenubuilder: it would write
  # menu entries and file types of the prefix into the Linux home.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# Starts Xvfb on the first free display number from 90 on.
session_start_display() {
  local n
  for n in $(seq 90 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp -wr \
      >"$E2E_RUN_DIR/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    for _ in $(seq 1 50); do
      if xdpyinfo -display ":$n" >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$E2E_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    # Lost a race for that number, or Xvfb failed: try the next one.
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
  done
  e2e_log "cannot start Xvfb (see $E2E_RUN_DIR/xvfb.log)"
  return 1
}

# Registry settings of the test machine, not of the program: the Japanese
# fonts the board asks for, no window manager handshake (Wine would wait two
# seconds for one on every unmap), and no stand-alone tray window at the
# screen's top-left, where it would lie under the default board.
session_registry_file() {
  local file="$E2E_RUN_DIR/setup.reg"
  {
    printf '\xff\xfe'
    printf '%s\r\n' \
      'Windows Registry Editor Version 5.00' '' \
      '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
      '"ＭＳ ゴシック"="IPAGothic"' \
      '"ＭＳ Ｐゴシック"="IPAPGothic"' '' \
      '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
      '"Managed"="N"' \
      '"ShowSystray"="N"' '' | iconv -f UTF-8 -t UTF-16LE
  } >"$file"
  printf '%s' "$file"
}

# One fresh prefix for the run (about ten seconds).
session_make_prefix() {
  local reg
  reg=$(session_registry_file) || return 1
  if ! env LC_ALL=C.UTF-8 wineboot -i >"$E2E_RUN_DIR/wineboot.log" 2>&1; then
    e2e_log "wineboot failed (see $E2E_RUN_DIR/wineboot.log)"
    return 1
  fi
  env LC_ALL=C.UTF-8 wine reg import "$reg" >>"$E2E_RUN_DIR/wineboot.log" 2>&1
  # Stopping the server writes the registry out, so the settings can be seen.
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  if ! grep -q '^"\\xff2d\\xff33 \\x30b4\\x30b7\\x30c3\\x30af"="IPAGothic"' "$WINEPREFIX/user.reg"; then
    e2e_log "the font replacements did not reach the prefix (see $E2E_RUN_DIR/wineboot.log)"
    return 1
  fi
  E2E_PREFIX_READY=1
}

# A persistent wineserver whose first client runs under the locale given
# (ja_JP.UTF-8 gives ANSI code page 932, en_US.UTF-8 gives 1252). Started
# without faketime and with its output not captured, or faked and unfaked
# clients hang each other.
session_start_server() {
  E2E_LOCALE=$1
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  env LC_ALL="$E2E_LOCALE" wineserver -p >/dev/null 2>&1 </dev/null
}

# The display scale of the prefix (LogPixels, 96 for 100 %): Wine reads it
# when its server starts, so the server is started again, and its session
# brought up by a client without faketime.
session_set_dpi() {
  local key='HKCU\Control Panel\Desktop'
  session_wine reg add "$key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  session_start_server "$E2E_LOCALE"
  session_wine reg query "$key" /v LogPixels >/dev/null 2>&1
}

session_stop_server() {
  [ -n "$E2E_PREFIX_READY" ] || [ -d "${WINEPREFIX:-/nonexistent}" ] || return 0
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

session_cleanup() {
  if [ -n "$E2E_RUN_DIR" ] && [ -d "$E2E_RUN_DIR/prefix" ]; then
    session_stop_server
  fi
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
  fi
  if [ -n "$E2E_RUN_DIR" ] && [ -z "${E2E_KEEP_RUN_DIR:-}" ]; then
    rm -rf "$E2E_RUN_DIR"
  fi
}

# Runs a Win32 program of ours under the session's locale.
session_wine() {
  env LC_ALL="${E2E_LOCALE:-C.UTF-8}" wine "$@"
}
