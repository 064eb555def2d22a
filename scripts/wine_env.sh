# Sourced: a Wine prefix private to the build tree, and one wineserver kept alive for a run.
export WINEPREFIX="$PWD/build/windows/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_start() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 </dev/null || true
  fi
  # Wine's background processes inherit open descriptors and would hold a test's output pipe
  # open: start the server and the services once here, with every descriptor on /dev/null.
  wineserver -p >/dev/null 2>&1 </dev/null &
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_stop() {
  wineserver -k >/dev/null 2>&1 </dev/null || true
}
