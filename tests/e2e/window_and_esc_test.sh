#!/ usr / bin / env bash
#The real program in a real X session : its window appears centred at its size,
#and an Esc typed into it ends the process with exit code 0.
source "$(dirname "$0")/x_session.sh"
binary=$1

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

xdotool mousemove --window "$window_id" 300 100 click 1
xdotool type --delay 20 "left unsaved"
xdotool key Escape
for _ in $(seq 100);
do
kill - 0 "$app_pid" 2 > / dev / null ||
    break sleep 0.05 done kill - 0 "$app_pid" 2 >
        / dev / null&& fail "Esc did not close the window" wait "$app_pid" && code = 0 || code = $
    ? app_pid = ""["$code" = 0] ||
                fail "exit code $code"[-z "$(ls -A " $program_dir " | grep -v '^quillmark$')"] ||
                fail "something was saved beside the program" echo
                     "window, centring and Esc: passed"
