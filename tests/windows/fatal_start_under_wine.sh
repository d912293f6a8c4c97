#!/usr/bin/env bash
# A start that cannot go on shows the fatal box titled "错误" until the user
# dismisses it; then the process ends with exit code -1 (255 as Linux sees
# it), and no main window ever appears. Both failures: a description that
# cannot be read, and a control that cannot be created after the main window
# exists (whose destruction must not end the box's loop at once).
# Usage: fatal_start_under_wine.sh BUILD_DIR FATAL_START_EXE
source "$(dirname "$0")/../e2e/x_session.sh"
build_dir=$1
program=$2

start_x_server 1280x1024x24
source "$(dirname "$0")/wine_prefix.sh"
use_wine_prefix "$build_dir" fatal zh_CN.UTF-8
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT

for failure in unreadable uncreatable; do
  wine "$program" "$failure" >"$work_dir/quillmark.log" 2>&1 &
  app_pid=$!
  box=$(timeout 60 xdotool search --sync --name '^错误$' | head -n 1 || true)
  [ -n "$box" ] || fail "$failure: no box titled 错误"
  # A box that closes by itself would be gone well within this time.
  sleep 3
  xdotool getwindowname "$box" >/dev/null 2>&1 || fail "$failure: the box closed by itself"
  take_screenshot "wine_fatal_start_$failure"
  if xdotool search --onlyvisible --name 'Quillmark' >/dev/null 2>&1; then
    fail "$failure: a main window appeared"
  fi
  xdotool key --window "$box" Return
  wait_for_exit 10
  [ "$exit_code" = 255 ] || fail "$failure: exit code $exit_code"
  echo "fatal start ($failure): the box until dismissed, then exit code -1"
done
