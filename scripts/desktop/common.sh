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

# A private X display of size $1 (default 1280x1024) and nothing on it; sets DISPLAY.
start_xvfb() {
  local size=${1:-1280x1024}
  rm -f "$work/display"
  background Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log"
  x_desktop_pids=("${background_pids[-1]}")
  wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=:$(tr -d '[:space:]' <"$work/display")
  export XDG_RUNTIME_DIR=$work/runtime
}

# A private X display (size $1, default 1280x1024) with openbox managing it; sets DISPLAY.
start_x_desktop() {
  start_xvfb "$@"
  background openbox --sm-disable >"$work/openbox.log" 2>&1
  x_desktop_pids+=("${background_pids[-1]}")
  wait_for 50 window_manager_running || fail "openbox did not start"
}

# Ends the display start_xvfb or start_x_desktop started, so that the next may have another
# size.
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

# A private sway (output size $1, default 1280x1024) drawing in software on a desktop of the
# solid colour $2 (default #00FF00), without bar, borders or Xwayland; the further arguments
# are added to its configuration. It runs in a window of a private X display of its own, whose
# pointer and keyboard give its seat real input devices: the headless backend has none, and
# without a pointer the seat's cursor commands reach no client. Sets XDG_RUNTIME_DIR,
# WAYLAND_DISPLAY and SWAYSOCK.
start_sway_desktop() {
  local size=${1:-1280x1024} colour=${2:-#00FF00}
  shift $(($# < 2 ? $# : 2))
  start_xvfb "$size"
  {
    echo "output * resolution $size position 0 0 bg $colour solid_color"
    echo 'default_border none'
    echo 'default_floating_border none'
    echo 'xwayland disable'
    printf '%s\n' "$@"
  } >"$work/sway.conf"
  # sway refuses to run as root; in a user namespace of its own it is nobody to itself and
  # still owns the runtime folder, which a client started as root can reach.
  local as_user=()
  if [ "$(id -u)" -eq 0 ]; then
    unshare --user true || fail "sway refuses root, and no user namespace can be made here"
    as_user=(unshare --user)
  fi
  WLR_BACKENDS=x11 WLR_RENDERER=pixman \
    background "${as_user[@]}" sway --config "$work/sway.conf" >"$work/sway.log" 2>&1
  wait_for 100 sway_sockets || {
    cat "$work/sway.log"
    fail "sway did not start"
  }
  wait_for 50 swaymsg -t get_outputs >/dev/null || fail "sway does not answer"
}

sway_sockets() {
  local socket
  for socket in "$XDG_RUNTIME_DIR"/wayland-[0-9]*; do
    [ -S "$socket" ] && export WAYLAND_DISPLAY=${socket##*/}
  done
  for socket in "$XDG_RUNTIME_DIR"/sway-ipc.*.sock; do
    [ -S "$socket" ] && export SWAYSOCK=$socket
  done
  [ -n "${WAYLAND_DISPLAY:-}" ] && [ -n "${SWAYSOCK:-}" ]
}

# The colour of pixel ($2, $3) of picture $1 as RRGGBB.
pixel() {
  convert "$1" -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}

# Runs one part of a check (a command) and prints its name, its time and how it ended; a part
# that fails ends the check.
part() {
  local name=$1 started=$SECONDS
  shift
  echo "-- $name"
  if "$@"; then
    echo "-- $name: ok, $((SECONDS - started))s"
  else
    fail "$name: failed after $((SECONDS - started))s"
  fi
}
