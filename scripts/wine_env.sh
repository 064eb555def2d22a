# Sourced: a Wine prefix private to the build tree, one wineserver kept alive for a run, and a
# virtual screen for the window.
export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# The window's fonts (and the system's menu font), mapped to fonts Debian ships with Chinese glyphs; and Wine draws the window
# frame itself, as Windows does, since the virtual screen has no window manager.
wine_configure() {
  local fonts='HKCU\Software\Wine\Fonts\Replacements'
  local x11='HKCU\Software\Wine\X11 Driver'
  wine reg add "$fonts" /v "Microsoft YaHei UI" /t REG_SZ /d "WenQuanYi Micro Hei" /f
  wine reg add "$fonts" /v "Consolas" /t REG_SZ /d "WenQuanYi Micro Hei Mono" /f
  # The menu bar and message boxes use the system's Tahoma.
  wine reg add "$fonts" /v "Tahoma" /t REG_SZ /d "WenQuanYi Micro Hei" /f
  wine reg add "$x11" /v Decorated /t REG_SZ /d N /f
  wine reg add "$x11" /v Managed /t REG_SZ /d N /f
}

# The prefix booted if it is new, then one server kept alive for the run. Any server still
# running (wineboot's, or one just told to stop) is waited out first: a persistent server started
# beside it exits at once, and then every program starts and stops a server of its own, a race
# that now and then loses a program's run. Wine's background processes inherit open descriptors
# and would hold a test's output pipe open, so the server starts with every descriptor on
# /dev/null; in the foreground it returns once it accepts programs.
wine_server_start() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 </dev/null || true
  fi
  timeout 120 wineserver -w >/dev/null 2>&1 </dev/null || true
  wineserver -p >/dev/null 2>&1 </dev/null || true
}

wine_start() {
  wine_server_start
  wine_configure >/dev/null 2>&1 </dev/null || true
}

wine_stop() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
  timeout 60 wineserver -w >/dev/null 2>&1 </dev/null || true
}

# The prefix's screen DPI (96 is Windows' 100 %), read by each Wine session when it starts.
wine_set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1 </dev/null
}

# A virtual screen for the window (1280 x 1024 unless a size is given), unless a display is given.
xvfb_start() {
  [ -z "${DISPLAY:-}" ] || return 0
  local number=97
  while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
  export DISPLAY=":$number"
  Xvfb "$DISPLAY" -screen 0 "${1:-1280x1024}x24" -nolisten tcp >/dev/null 2>&1 </dev/null &
  XVFB_PID=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$number" ] && break
    sleep 0.1
  done
}

xvfb_stop() {
  [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
  XVFB_PID=""
  unset DISPLAY
}
