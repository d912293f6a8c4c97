#!/usr/bin/env bash
# Start-up and memory of quillmark beside a bare Qt window with one QScintilla
# widget, side by side in one run under Xvfb: process start to first window
# mapped (median of RUNS each) and resident memory once idle.
# Usage: bench/startup_figures.sh BUILD_DIR [RUNS]
set -euo pipefail
build_dir=$(realpath "${1:-build-release}")
runs=${2:-15}
work_dir=$(mktemp -d)
source "$(dirname "$0")/window_figures.sh"
start_private_x_server
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work_dir"' EXIT
export QT_QPA_PLATFORM=xcb
# Both programs get the same private session bus, so neither starts one.
dbus-daemon --session --nofork --print-address=3 --address="unix:path=$work_dir/bus" \
  3>"$work_dir/bus-address" >/dev/null 2>&1 &
bus_pid=$!
trap 'kill "$xvfb_pid" "$bus_pid" 2>/dev/null || true; rm -rf "$work_dir"' EXIT
for _ in $(seq 100); do [ -s "$work_dir/bus-address" ] && break; sleep 0.05; done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work_dir/bus-address")
export DBUS_SESSION_BUS_ADDRESS

for name in floor chinese quillmark; do : >"$work_dir/$name"; done
for _ in $(seq "$runs"); do
  measure_window '^Bare editor window$' "$build_dir/bench/bare_editor_window" >>"$work_dir/floor"
  measure_window '^Bare editor window$' "$build_dir/bench/bare_editor_window" --chinese \
    >>"$work_dir/chinese"
  measure_window '^Velmora - Quillmark v4\.0$' "$build_dir/quillmark" >>"$work_dir/quillmark"
done
report_ratios "$work_dir/floor" "$work_dir/quillmark" "$runs"
ours_kib=$(cut -d' ' -f2 "$work_dir/quillmark" | median)
chinese_kib=$(cut -d' ' -f2 "$work_dir/chinese" | median)
echo "beside the floor showing one line of Chinese: ${chinese_kib} KiB," \
  "ratio $(awk "BEGIN {printf \"%.2f\", $ours_kib / $chinese_kib}")"
