#!/usr/bin/env bash
# Sets everything up, builds, and starts Quillmark on the user's display. On a
# machine with no display (over SSH, say) it shows the newcomer the program
# all the same: started on a private virtual display, its window saved as a
# screenshot under build/, then closed with Esc.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quillmark -j "$(nproc)"
if [ -n "${QT_QPA_PLATFORM:-}" ] ||
  { [ -n "${WAYLAND_DISPLAY:-}" ] && [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/$WAYLAND_DISPLAY" ]; } ||
  { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
  exec build/quillmark
fi

echo "No display here: Quillmark runs on a private virtual display (Xvfb) instead."
work_dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work_dir/display" \
  >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work_dir"' EXIT
for _ in $(seq 100); do [ -s "$work_dir/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' <"$work_dir/display")"
unset WAYLAND_DISPLAY
export XDG_RUNTIME_DIR="$work_dir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
build/quillmark &
program=$!
window=$(timeout 20 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
sleep 1
import -window root build/quillmark-window.png
# Esc from the comment, where the program starts with the focus.
xdotool mousemove --window "$window" 300 100 click 1 key Escape
wait "$program"
echo "Its window, as it opened: $PWD/build/quillmark-window.png"
