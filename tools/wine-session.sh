# Sourced by scripts that run Windows programs: a fresh Wine prefix and an
# Xvfb display of their own, both stopped (by process id) on exit.
source "$(dirname "${BASH_SOURCE[0]}")/wine-common.sh"

qm_wine_session_start() {
  local base=$1
  export WINEPREFIX="$base/prefix-$$"
  rm -rf "$WINEPREFIX"
  mkdir -p "$base"
  local n
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then break; fi
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  QM_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  # The product is Chinese: run its programs with the 936 ANSI code page.
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  qm_wine_prefix
  trap qm_wine_session_stop EXIT
}

qm_wine_session_stop() {
  WINEPREFIX="$WINEPREFIX" /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "${QM_XVFB_PID:-}" ] && kill "$QM_XVFB_PID" 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
