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

# Milliseconds from exec to the window being mapped, and its idle resident KiB.
measure() {
  local program=$1 title=$2 start end pid
  start=$(date +%s%N)
  (cd "$work_dir" && exec wine "$program" "${@:3}") >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 4000); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 2
  echo "$(((end - start) / 1000000)) $(awk '/VmRSS/ {print $2}' "/proc/$pid/status")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for name in floor quillmark; do : >"$work_dir/$name"; done
measure bare_editor_window.exe '^Bare editor window$' >/dev/null  # warms the file cache
for _ in $(seq "$runs"); do
  measure bare_editor_window.exe '^Bare editor window$' >>"$work_dir/floor"
  measure quillmark.exe '^Velmora - Quillmark v4\.0$' >>"$work_dir/quillmark"
done
floor_ms=$(cut -d' ' -f1 "$work_dir/floor" | median)
ours_ms=$(cut -d' ' -f1 "$work_dir/quillmark" | median)
floor_kib=$(cut -d' ' -f2 "$work_dir/floor" | median)
ours_kib=$(cut -d' ' -f2 "$work_dir/quillmark" | median)
echo "under Wine, start to window mapped (median of $runs): floor ${floor_ms} ms," \
  "quillmark.exe ${ours_ms} ms, ratio $(awk "BEGIN {printf \"%.2f\", $ours_ms / $floor_ms}") (goal <= 1.3)"
echo "resident memory when idle (median): floor ${floor_kib} KiB, quillmark.exe ${ours_kib} KiB," \
  "ratio $(awk "BEGIN {printf \"%.2f\", $ours_kib / $floor_kib}") (goal <= 1.2)"
