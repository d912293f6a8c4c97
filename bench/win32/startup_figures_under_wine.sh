#!/usr/bin/env bash
# Start-up and memory of quillmark.exe beside a bare Win32 window holding one
# Scintilla control, built the same way, side by side in one run under Wine in
# Xvfb: process start to window mapped (median of RUNS each) and resident
# memory once idle. The prefix's Wine server is started once beforehand, so
# that each run measures the program rather than the server.
# Usage: bench/win32/startup_figures_under_wine.sh BUILD_DIR [RUNS]
set -euo pipefail
build_dir=$(realpath "${1:-build-windows/build}")
runs=${2:-9}
work_dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work_dir/display" >/dev/null 2>&1 &
xvfb_pid=$!
export WINEPREFIX="$build_dir/wine-prefix-figures" WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work_dir"' EXIT
for _ in $(seq 100); do [ -s "$work_dir/display" ] && break; sleep 0.05; done
export DISPLAY=":$(tr -d '\n' <"$work_dir/display")"
[ -d "$WINEPREFIX" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }
wineserver -p
cp "$build_dir/../quillmark.exe" "$build_dir/bench/win32/bare_editor_window.exe" "$work_dir/"

source "$(dirname "$0")/../window_figures.sh"

for name in floor quillmark; do : >"$work_dir/$name"; done
floor=(wine "$work_dir/bare_editor_window.exe")
quillmark=(wine "$work_dir/quillmark.exe")
measure_window '^Bare editor window$' "${floor[@]}" >/dev/null  # warms the file cache
for _ in $(seq "$runs"); do
  measure_window '^Bare editor window$' "${floor[@]}" >>"$work_dir/floor"
  measure_window '^Velmora - Quillmark v4\.0$' "${quillmark[@]}" >>"$work_dir/quillmark"
done
report_ratios "$work_dir/floor" "$work_dir/quillmark" "$runs"
