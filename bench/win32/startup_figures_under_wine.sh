#!/usr/bin/env bash
# Start-up and memory of quillmark.exe beside a bare Win32 window holding one
# Scintilla control, built the same way, side by side in one run under Wine in
# Xvfb, in English (code page 1252, the captions through the font link as on
# an English Windows): process start to window mapped (median of RUNS each)
# and resident memory once idle. The prefix's Wine server is started once
# beforehand, so that each run measures the program rather than the server.
# At another display scale (the prefix's LogPixels) both programs are laid out
# for it: quillmark.exe scales its window, fonts and pictures.
# Usage: bench/win32/startup_figures_under_wine.sh BUILD_DIR [RUNS [DOTS_PER_INCH]]
set -euo pipefail
build_dir=$(realpath "${1:-build-windows/build}")
runs=${2:-9}
dpi=${3:-96}
work_dir=$(mktemp -d)
source "$(dirname "$0")/../window_figures.sh"
source "$(dirname "$0")/../../tests/windows/wine_prefix.sh"
start_private_x_server
trap 'wineserver -k 2>/dev/null || true; kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work_dir"' EXIT
use_wine_prefix "$build_dir" "figures-$dpi" en_US.UTF-8
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver -w
echo "at $dpi dpi:"
wineserver -p
cp "$build_dir/../quillmark.exe" "$build_dir/bench/win32/bare_editor_window.exe" "$work_dir/"

for name in floor chinese quillmark; do : >"$work_dir/$name"; done
floor=(wine "$work_dir/bare_editor_window.exe")
quillmark=(wine "$work_dir/quillmark.exe")
measure_window '^Bare editor window$' "${floor[@]}" >/dev/null  # warms the file cache
for _ in $(seq "$runs"); do
  measure_window '^Bare editor window$' "${floor[@]}" >>"$work_dir/floor"
  measure_window '^Bare editor window$' "${floor[@]}" --chinese >>"$work_dir/chinese"
  measure_window '^Velmora - Quillmark v4\.0$' "${quillmark[@]}" >>"$work_dir/quillmark"
done
report_ratios "$work_dir/floor" "$work_dir/quillmark" "$runs"
echo "beside the floor showing one Chinese caption:"
report_ratios "$work_dir/chinese" "$work_dir/quillmark" "$runs"
