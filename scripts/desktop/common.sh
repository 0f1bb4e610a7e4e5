# Shared by the desktop checks in this folder: a scratch folder, a private Xvfb with openbox,
# a private D-Bus session, the program started on them, and teardown of all of it on exit.
# Source it; it expects the project root as the working directory.
#   BUILD        the configured build folder (default: build)
#   DUANXIN_BIN  the program to run (default: $BUILD/app/duanxin)

build=${BUILD:-build}
program=${DUANXIN_BIN:-$build/app/duanxin}
artifacts=$build/test-desktop
# The legacy window name is not UTF-8 under a Chinese locale, so windows are found by the
# caption's ASCII tail.
title_pattern='V1\.0$'
mkdir -p "$artifacts"

work=$(mktemp -d "${TMPDIR:-/tmp}/duanxin-desktop-check.XXXXXX")
chmod 0700 "$work"
mkdir -m 0700 "$work/runtime"
background_pids=()

desktop_cleanup() {
  local pid
  for ((i = ${#background_pids[@]} - 1; i >= 0; i--)); do
    pid=${background_pids[i]}
    kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill -TERM "$DBUS_SESSION_BUS_PID" 2>/dev/null
  rm -rf "$work"
}
trap desktop_cleanup EXIT
trap 'exit 130' INT TERM HUP

fail() {
  echo "$(basename "$0"): $*" >&2
  exit 1
}

# Runs a command in the background until the check ends.
background() {
  "$@" &
  background_pids+=($!)
}

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

window_manager_running() {
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# A private X display (size $1, default 1280x1024) with openbox managing it; sets DISPLAY.
start_x_desktop() {
  local size=${1:-1280x1024}
  rm -f "$work/display"
  background Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" \
    2>"$work/xvfb.log"
  x_desktop_pids=("${background_pids[-1]}")
  wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=:$(tr -d '[:space:]' <"$work/display")
  export XDG_RUNTIME_DIR=$work/runtime
  background openbox --sm-disable >"$work/openbox.log" 2>&1
  x_desktop_pids+=("${background_pids[-1]}")
  wait_for 50 window_manager_running || fail "openbox did not start"
}

# Ends the display start_x_desktop started, so that the next one may have another size.
stop_x_desktop() {
  local pid
  for pid in "${x_desktop_pids[@]}"; do
    kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  done
  x_desktop_pids=()
}

# Ends the program start_program started: SIGTERM closes its window as a user would.
stop_program() {
  kill -TERM "$app_pid" 2>/dev/null && wait "$app_pid"
}

# A private session bus for the services the check starts; sets DBUS_SESSION_BUS_ADDRESS.
start_session_bus() {
  eval "$(dbus-launch --sh-syntax)"
  export DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
}

# Starts the program with the environment given as arguments (NAME=value ...); sets app_pid
# and, on X, window. Its output goes to $work/program.log.
start_program() {
  env "$@" "$program" >"$work/program.log" 2>&1 &
  app_pid=$!
  background_pids+=("$app_pid")
}

program_window() {
  window=$(xdotool search --onlyvisible --name "$title_pattern" 2>/dev/null | head -n 1)
  [ -n "$window" ]
}

wait_for_program_window() {
  wait_for 200 program_window || {
    cat "$work/program.log"
    fail "the program's window did not appear"
  }
}
