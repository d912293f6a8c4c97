# Shared by the start-up figure scripts; source it after setting work_dir.

# A private X server for the measured windows; sets DISPLAY and xvfb_pid.
# -noreset: a server that resets when its last client leaves refuses, for a
# moment, the program started next.
start_private_x_server() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work_dir/display" \
    >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work_dir/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(tr -d '\n' <"$work_dir/display")"
}

# Milliseconds from exec to the window titled TITLE being mapped, and the
# process's resident KiB once idle.
# Usage: measure_window TITLE COMMAND [ARGS...]
measure_window() {
  local title=$1 start end pid
  shift
  start=$(date +%s%N)
  "$@" >/dev/null 2>"$work_dir/stderr" &
  pid=$!
  for _ in $(seq 4000); do
    xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 && break
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "$* ended before its window appeared:" >&2
      cat "$work_dir/stderr" >&2
      exit 1
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  sleep 2
  echo "$(((end - start) / 1000000)) $(awk '/VmRSS/ {print $2}' "/proc/$pid/status")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# The medians of two files of measure_window lines and their ratios.
# Usage: report_ratios FLOOR_FILE OURS_FILE RUNS
report_ratios() {
  local floor_ms ours_ms floor_kib ours_kib
  floor_ms=$(cut -d' ' -f1 "$1" | median)
  ours_ms=$(cut -d' ' -f1 "$2" | median)
  floor_kib=$(cut -d' ' -f2 "$1" | median)
  ours_kib=$(cut -d' ' -f2 "$2" | median)
  echo "start to window mapped (median of $3): floor ${floor_ms} ms, quillmark ${ours_ms} ms," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $ours_ms / $floor_ms}") (goal <= 1.3)"
  echo "resident memory when idle (median): floor ${floor_kib} KiB, quillmark ${ours_kib} KiB," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $ours_kib / $floor_kib}") (goal <= 1.2)"
}
