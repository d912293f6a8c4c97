# Shared by the end-to-end scripts: a private X server and helpers around it.
# Source it; it sets DISPLAY and cleans up on exit.
set -euo pipefail

screenshot_dir=${QUILLMARK_SCREENSHOTS:-$PWD/e2e-screenshots}
mkdir -p "$screenshot_dir"
work_dir=$(mktemp -d)
xvfb_pid=""
bus_pid=""
app_pid=""

cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "$bus_pid" ]; then kill "$bus_pid" 2>/dev/null || true; fi
  # A helper that was just ended may still be writing its cache: try again.
  rm -rf "$work_dir" 2>/dev/null || { sleep 0.5; rm -rf "$work_dir"; }
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -f "$work_dir/quillmark.log" ]; then cat "$work_dir/quillmark.log" >&2; fi
  exit 1
}

# Waits up to 5 s for a file to hold something; fails if it never does.
wait_for_file() {
  for _ in $(seq 100); do
    if [ -s "$1" ]; then return 0; fi
    sleep 0.05
  done
  [ -s "$1" ]
}

start_x_server() {
  local fd_file="$work_dir/display"
  # -noreset: a server that resets when its last client leaves refuses, for a
  # moment, the program started next.
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp -noreset 3>"$fd_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  wait_for_file "$fd_file" || fail "Xvfb did not start"
  export DISPLAY=":$(tr -d '\n' <"$fd_file")"
  export QT_QPA_PLATFORM=xcb
  export HOME="$work_dir/home" XDG_RUNTIME_DIR="$work_dir/runtime"
  export XDG_CONFIG_HOME="$work_dir/home/.config" XDG_DATA_HOME="$work_dir/home/.local/share"
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
  chmod 700 "$XDG_RUNTIME_DIR"
  start_session_bus
}

# A private session bus, so that nothing reaches or autolaunches another one.
start_session_bus() {
  local address_file="$work_dir/bus-address"
  dbus-daemon --session --nofork --print-address=3 --address="unix:path=$work_dir/bus" \
    3>"$address_file" >/dev/null 2>&1 &
  bus_pid=$!
  wait_for_file "$address_file" || fail "dbus-daemon did not start"
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address_file")
  export DBUS_SESSION_BUS_ADDRESS
}

# Starts a copy of the program from a folder of its own and waits for its window.
start_quillmark() {
  local binary=$1
  program_dir="$work_dir/program"
  mkdir -p "$program_dir"
  cp "$binary" "$program_dir/quillmark"
  "$program_dir/quillmark" >"$work_dir/quillmark.log" 2>&1 &
  app_pid=$!
  window_id=$(timeout 20 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
  [ -n "$window_id" ] || fail "the window did not appear"
}

# Waits up to the seconds given (5 unless told; Wine takes longer) for the
# program to end; its exit code is left in exit_code.
wait_for_exit() {
  for _ in $(seq $((${1:-5} * 20))); do
    if ! kill -0 "$app_pid" 2>/dev/null; then break; fi
    sleep 0.05
  done
  if kill -0 "$app_pid" 2>/dev/null; then fail "the program is still running after ${1:-5} s"; fi
  exit_code=0
  wait "$app_pid" || exit_code=$?
  app_pid=""
}

# Binds characters that the keyboard map lacks to spare keycodes, before the
# program starts. xdotool would otherwise remap a keycode for each character
# it types and restore it at once, and a program that reads the new map late
# (Wine, on a busy machine) would miss the character.
bind_characters() {
  local keysyms spare i
  read -ra keysyms < <(/usr/bin/python3 -c 'import sys; print(*("U%04X" % ord(c) for c in sys.argv[1]))' "$1")
  mapfile -t spare < <(xmodmap -pke | awk 'NF == 3 {print $2}' | tail -n "${#keysyms[@]}")
  [ "${#spare[@]}" = "${#keysyms[@]}" ] || fail "no spare keycodes for $1"
  for i in "${!keysyms[@]}"; do xmodmap -e "keycode ${spare[i]} = ${keysyms[i]}"; done
}

take_screenshot() {
  import -window root "$screenshot_dir/$1.png"
}

# What an action puts on the clipboard: the X clipboard holds a stand-in
# first and is read until the program has replaced it, for up to 5 s; a
# stand-in never replaced reads as nothing. The stand-in's holder writes
# nowhere, so that it keeps no test runner's output open.
# Usage: copied_by COMMAND [ARGS...]
clipboard_stand_in="(nothing copied)"
copied_by() {
  printf '%s' "$clipboard_stand_in" | xclip -i -selection clipboard >/dev/null 2>&1
  "$@"
  # A read can come back empty, or fail, while the program takes the
  # clipboard over: an empty clipboard counts once it has stayed so for a
  # second.
  local text=$clipboard_stand_in empty=0
  for _ in $(seq 50); do
    text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null || true)
    if [ -z "$text" ]; then
      empty=$((empty + 1))
      [ "$empty" -ge 10 ] && break
    else
      empty=0
      [ "$text" != "$clipboard_stand_in" ] && break
    fi
    sleep 0.1
  done
  [ "$text" = "$clipboard_stand_in" ] || printf '%s' "$text"
}
