#!/usr/bin/env bash
# Runs a command with a private X server of its own and Qt's xcb platform, for
# tests that need the platform's real services.
set -euo pipefail
display_file=$(mktemp)
# -noreset: a server that resets when its last client leaves refuses, for a
# moment, the program started next.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
  if [ -s "$display_file" ]; then break; fi
  sleep 0.05
done
export DISPLAY=":$(tr -d '\n' <"$display_file")"
export QT_QPA_PLATFORM=xcb
"$@"
