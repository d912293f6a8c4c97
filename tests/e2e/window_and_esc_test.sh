#!/usr/bin/env bash
# The real program in a real X session: its window appears centred at its size,
# and an Esc typed into it ends the process with exit code 0, saving nothing.
# Before that, with no display to reach (none named, or one that nothing
# answers), it says so in one line and exits with 1.
source "$(dirname "$0")/x_session.sh"
binary=$1

for display in "" ":$((RANDOM % 1000 + 5000))"; do
  code=0
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$binary" \
    >"$work_dir/out.txt" 2>"$work_dir/said.txt" || code=$?
  [ "$code" = 1 ] || fail "with DISPLAY='$display' the exit code is $code: $(cat "$work_dir/said.txt")"
  [ "$(wc -l <"$work_dir/said.txt")" = 1 ] && grep -q '^quillmark: no display' "$work_dir/said.txt" ||
    fail "with DISPLAY='$display' it said: $(cat "$work_dir/said.txt")"
done
echo "with no display to reach: $(cat "$work_dir/said.txt"), exit code 1"

start_x_server 1280x1024x24
start_quillmark "$binary"
sleep 0.5
take_screenshot window_at_start

geometry=$(xwininfo -id "$window_id")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
left=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$geometry")
top=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$geometry")
[ "$width" = 680 ] && [ "$height" = 536 ] || fail "client is ${width}x${height}, not 680x536"
[ "$left" = $(((1280 - 686) / 2)) ] && [ "$top" = $(((1024 - 565) / 2)) ] ||
  fail "window at $left,$top is not centred"

# Type into the editor, then Esc while the editor has the focus.
xdotool mousemove --window "$window_id" 300 100 click 1
xdotool type --delay 20 "left unsaved"
xdotool key Escape
wait_for_exit
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
leftovers=$(find "$program_dir" -mindepth 1 ! -name quillmark | head -n 5)
[ -z "$leftovers" ] || fail "files were written beside the program: $leftovers"
if grep -rl "left unsaved" "$HOME" "$program_dir" "$XDG_RUNTIME_DIR" 2>/dev/null; then
  fail "the comment was saved somewhere"
fi
echo "window, centring and Esc: passed"
