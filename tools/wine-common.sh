# Shared Wine settings, sourced by tools/wine-run and the test scripts.
qm_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# True when this machine can execute Wine's 32-bit loader.
qm_wine32_works() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

if qm_wine32_works; then
  QM_WINE=/usr/lib/wine/wine
  export WINEARCH=${WINEARCH:-win32}
else
  QM_WINE=/usr/lib/wine/wine64
  export WINELOADER=/usr/lib/wine/wine64
  export WINEARCH=win64
fi
export QM_WINE

# Creates the prefix once (fresh prefixes are made by the test runner).
qm_wine_prefix() {
  export WINEPREFIX=${WINEPREFIX:-$qm_repo/build/wine/prefix}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$QM_WINE" wineboot -i >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w || true
  fi
}
