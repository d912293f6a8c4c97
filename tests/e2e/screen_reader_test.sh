#!/usr/bin/env bash
# What a screen reader finds in the real program through AT-SPI, as Orca reads
# it: the 94 shown emoji as push buttons named by their codes in catalogue
# order, the customer-service picture named QQ交谈 and the account box 公众号;
# activated, [微笑] puts its code into the comment as a click does.
# Usage: screen_reader_test.sh QUILLMARK SHOWN_EMOJI_CODES
source "$(dirname "$0")/x_session.sh"
binary=$1
codes=$2

start_x_server 1280x1024x24
# The accessibility bus, on this session's own bus; Qt reaches it as it does
# where a screen reader runs.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
trap 'kill "$launcher_pid" 2>/dev/null || true; cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_quillmark "$binary"
timeout 60 /usr/bin/python3 "$(dirname "$0")/accessible_tree.py" Quillmark --press '[微笑]' \
  >"$work_dir/tree.txt" ||
  fail "no accessible tree: $(cat "$work_dir/tree.txt")"

"$codes" >"$work_dir/expected.txt"
grep -P '^push button\t\[' "$work_dir/tree.txt" | cut -f 2 >"$work_dir/found.txt"
diff "$work_dir/expected.txt" "$work_dir/found.txt" >"$work_dir/diff.txt" ||
  fail "emoji as a screen reader finds them, against the catalogue: $(head -n 20 "$work_dir/diff.txt")"
grep -qP '^push button\tQQ交谈$' "$work_dir/tree.txt" || fail "no push button QQ交谈"
grep -qP '^text\t公众号$' "$work_dir/tree.txt" ||
  fail "no text named 公众号: $(grep -P '^text' "$work_dir/tree.txt")"
# Copied with 复制留言, the comment holds what the action put in.
copied=$(copied_by xdotool mousemove --window "$window_id" 540 346 click 1)
[ "$copied" = "[微笑]" ] || fail "activating [微笑] gave '$copied'"
# The completion list's chosen item, and the palette's focused emoji, are what
# has the focus: what a screen reader announces.
focused() { timeout 60 /usr/bin/python3 "$(dirname "$0")/accessible_tree.py" Quillmark --focused; }
xdotool mousemove --window "$window_id" 300 100 click 1
xdotool type --delay 30 "[h"
sleep 0.5
focused | grep -qP '^list item\t\[害羞\]$' || fail "the list's first item has no focus: $(focused)"
xdotool key Escape ctrl+Tab Right
sleep 0.5
focused | grep -qP '^push button\t\[捂脸\]$' || fail "the palette's emoji has no focus: $(focused)"
echo "screen reader (AT-SPI): $(wc -l <"$work_dir/found.txt") emoji by their codes in catalogue" \
  "order, QQ交谈 and 公众号, [微笑] activated; the list's [害羞] and the palette's [捂脸]"\
  "focused: passed"
