# Sourced by tools/run-example and the end-to-end tests: prepares an
# installer source folder and runs setup.exe in it, watched by the robot.
# Expects a Wine session (tools/wine-session.sh or WINEPREFIX and DISPLAY).
#   QM_BUILD   the build folder holding setup.exe, robot.exe, TWLanguage.dll

# qm_prepare_source <dir> <example-folder>: the example's files plus the
# built installer and language library.
qm_prepare_source() {
  local dir=$1 from=$2
  mkdir -p "$dir"
  cp -r "$from"/. "$dir"/
  cp "$QM_BUILD/setup/setup.exe" "$dir/"
  cp "$QM_BUILD/tools/langlib/TWLanguage.dll" "$dir/"
}

# qm_setup_start <dir>: starts setup.exe from <dir> (its current folder too).
qm_setup_start() {
  (cd "$1" && exec "$QM_WINE" ./setup.exe >/dev/null 2>&1) &
  QM_SETUP_PID=$!
}

# qm_robot <steps...>: runs the robot; its output goes to stdout.
qm_robot() {
  "$QM_WINE" "$QM_BUILD/tools/robot/robot.exe" "$@" 2>/dev/null | tr -d '\r'
}

# qm_setup_wait [seconds]: waits for setup.exe to end; 1 on time-out.
qm_setup_wait() {
  local n=$(( ${1:-30} * 10 ))
  while kill -0 "$QM_SETUP_PID" 2>/dev/null; do
    n=$((n - 1))
    if [ $n -le 0 ]; then kill "$QM_SETUP_PID" 2>/dev/null; return 1; fi
    sleep 0.1
  done
  wait "$QM_SETUP_PID" 2>/dev/null || true
}
