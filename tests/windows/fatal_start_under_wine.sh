#!/usr/bin/env bash
# A start on a window description that cannot be read shows the fatal box
# titled "错误" with its two lines; dismissing it ends the process with exit
# code -1 (255 as Linux sees it), and no main window ever appears.
# Usage: fatal_start_under_wine.sh BUILD_DIR FATAL_START_EXE
source "$(dirname "$0")/../e2e/x_session.sh"
build_dir=$1
program=$2

start_x_server 1280x1024x24
source "$(dirname "$0")/wine_prefix.sh"
use_wine_prefix "$build_dir" fatal zh_CN.UTF-8
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT

wine "$program" >"$work_dir/quillmark.log" 2>&1 &
app_pid=$!
box=$(timeout 60 xdotool search --sync --name '^错误$' | head -n 1 || true)
[ -n "$box" ] || fail "no box titled 错误"
take_screenshot wine_fatal_start
if xdotool search --name 'Quillmark' >/dev/null 2>&1; then fail "a main window appeared"; fi
xdotool key --window "$box" Return
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
exit_code=0
wait "$app_pid" || exit_code=$?
app_pid=""
[ "$exit_code" = 255 ] || fail "exit code $exit_code"
echo "fatal start: the box, then exit code -1"
