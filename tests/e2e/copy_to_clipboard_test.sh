#!/usr/bin/env bash
# Typing, an emoji click and the copy button in the real program: the X11
# CLIPBOARD, read by another program, holds the comment without blank lines.
source "$(dirname "$0")/x_session.sh"
binary=$1

start_x_server 1280x1024x24
start_quillmark "$binary"
sleep 0.5

xdotool mousemove --window "$window_id" 300 100 click 1
xdotool type --delay 20 "first"
xdotool key Return Return Return
xdotool type --delay 20 "second "
xdotool mousemove --window "$window_id" 27 270 click 1   # the first emoji, [微笑]
xdotool key Return
xdotool mousemove --window "$window_id" 540 346 click 1  # the copy button
sleep 0.5
take_screenshot after_copy

expected=$(printf 'first\r\nsecond [微笑]')
copied=$(timeout 5 xclip -o -selection clipboard)
[ "$copied" = "$expected" ] ||
  fail "clipboard holds $(printf '%s' "$copied" | od -c | head -n 3)"
targets=$(timeout 5 xclip -o -selection clipboard -t TARGETS)
grep -q '^UTF8_STRING$' <<<"$targets" || fail "no plain-text target: $targets"
if grep -qiE 'html|image|uri-list' <<<"$targets"; then fail "other formats offered: $targets"; fi
echo "typed comment, emoji click and copy: clipboard passed"
