# The tray icon as the shell sees it.

e2e_case tray-recreate ja "after NIM_DELETE, TaskbarCreated brings icon 101 back"
case_tray_recreate() {
  write_ini <<'INI'
winX=100
winY=400
topmost=0
autoend=0
endsec=10
MessageNum=0
INI
  start_board || return
  drv_ok "icon 101 exists after start" tray-modify || return
  drv_ok "NIM_DELETE" tray-delete || return
  drv tray-modify >/dev/null && fail "icon 101 still there after NIM_DELETE"
  drv_ok "TaskbarCreated" taskbar-created || return
  sleep 0.5
  drv_ok "icon 101 back after TaskbarCreated" tray-modify
  # The message also comes while the icon exists: it must not get lost.
  drv_ok "TaskbarCreated with the icon present" taskbar-created
  sleep 0.5
  drv_ok "icon 101 still there after a second TaskbarCreated" tray-modify
  # And it answers as before.
  xdotool mousemove 500 500
  drv_ok "right press on the tray icon" tray right
  drv_ok "the menu opens from the recreated icon" menu 5000 && drv menu-escape >/dev/null
  park_pointer
  sleep 0.3
  close_board || return
}
