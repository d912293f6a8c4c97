#!/usr/bin/env bash
# One session of the real program as a person lives it, driven only from
# outside: xdotool for the pointer and keys, xclip for the CLIPBOARD, a
# stand-in file manager on a private session bus, and a recording handler for
# tencent: links in a temporary XDG home.
# Usage: user_session_test.sh QUILLMARK FAKE_FILE_MANAGER
source "$(dirname "$0")/x_session.sh"
binary=$1
file_manager=$2

start_x_server 1280x1024x24
export XDG_DATA_DIRS="$XDG_DATA_HOME:/usr/share"
revealed="$work_dir/revealed.txt"
links="$work_dir/links.txt"
: >"$revealed"
: >"$links"
"$file_manager" "$revealed" &
fm_pid=$!
trap 'kill "$fm_pid" 2>/dev/null || true; cleanup' EXIT
mkdir -p "$XDG_DATA_HOME/applications"
cat >"$work_dir/record-link.sh" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>'$links'
SCRIPT
chmod +x "$work_dir/record-link.sh"
printf '[Desktop Entry]\nType=Application\nName=Record link\nExec=%s %%u\nMimeType=x-scheme-handler/tencent;\n' \
  "$work_dir/record-link.sh" >"$XDG_DATA_HOME/applications/record-link.desktop"
printf '[Default Applications]\nx-scheme-handler/tencent=record-link.desktop\n' \
  >"$XDG_CONFIG_HOME/mimeapps.list"

bind_characters "【微"
start_quillmark "$binary"
sleep 0.7
click() { xdotool mousemove --window "$window_id" "$1" "$2" click 1; sleep 0.15; }
clipboard() { timeout 5 xclip -o -selection clipboard; }
editor=(300 100)
emoji_smile=(27 270)
copy_button=(540 346)
clear_button=(613 346)
account_box=(600 386)
open_folder_box=(512 417)
export_button=(576 461)
customer_service=(574 505)

# 1. The window, its size and place, and the palette as a screenshot shows it.
[ "$(xdotool getwindowname "$window_id")" = "Velmora - Quillmark v4.0" ] || fail "title"
geometry=$(xwininfo -id "$window_id")
read -r left top width height < <(awk '/upper-left X/ {x=$4} /upper-left Y/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}' <<<"$geometry")
[ "$width $height" = "680 536" ] || fail "client is ${width}x${height}"
[ "$left $top" = "$(((1280 - 686) / 2)) $(((1024 - 565) / 2))" ] || fail "not centred: $left,$top"
take_screenshot session_start
message_only=" 17 25 36 44 54 59 60 62 70 72 73 74 87 88 89 91 92 97 98 99 100 101 102 103 104 105 "
row_first=(106 1 16 31 46 61 76 91)
row_top=(224 258 297 337 374 416 456 496)
pictures=0
for row in 0 1 2 3 4 5 6 7; do
  for column in $(seq 0 14); do
    number=$((row_first[row] + column))
    x=$((left + (row >= 6 ? 16 : 15) + 32 * column))
    y=$((top + row_top[row]))
    spread=$(/usr/bin/convert "$screenshot_dir/session_start.png" -crop "24x24+$x+$y" +repage \
      -format '%[fx:standard_deviation]' info:)
    if [[ "$message_only" == *" $number "* ]]; then
      awk "BEGIN {exit !($spread < 0.001)}" || fail "place of hidden emoji $number is not empty"
    else
      awk "BEGIN {exit !($spread > 0.02)}" || fail "no picture for emoji $number"
      pictures=$((pictures + 1))
    fi
  done
done
[ "$pictures" = 94 ] || fail "$pictures pictures"
echo "1. window titled, 680x536, centred; 94 pictures, 26 empty places"

# 2. Typing, an emoji at the caret, Enter, more text; copy.
click "${editor[@]}"
xdotool type --delay 15 "hello"
click "${emoji_smile[@]}"
xdotool key Return Return
xdotool type --delay 15 "world"
click "${copy_button[@]}"
sleep 0.3
expected=$(printf 'hello[微笑]\r\nworld')
[ "$(clipboard)" = "$expected" ] || fail "copied: $(clipboard | od -c | head -n 3)"
click "${editor[@]}"
xdotool key ctrl+a ctrl+c
sleep 0.3
[ "$(clipboard)" = "$expected" ] || fail "the editor does not show the cleaned comment"
take_screenshot after_copy
echo "2. typed comment with an emoji copied without its blank line; the editor shows the same"

# 3. A pasted comment with blank lines exported under a typed account name.
click "${clear_button[@]}"
printf '第一条评论\n\n第二条\n\n\n第三条\n' | xclip -i -selection clipboard
click "${editor[@]}"
xdotool key ctrl+v
click "${account_box[@]}"
xdotool type --delay 15 "Daily"
before=$(ls "$program_dir" | wc -l)
click "${export_button[@]}"
sleep 0.7
new_files=$(ls "$program_dir" | grep -v '^quillmark$' || true)
[ "$(wc -l <<<"$new_files")" = 1 ] && [ "$(ls "$program_dir" | wc -l)" = $((before + 1)) ] ||
  fail "not exactly one new file: $new_files"
grep -qE '^[0-9]{2}\.[0-9]{2}Daily评论3-[0-9]{6}\.txt$' <<<"$new_files" || fail "name: $new_files"
printf '第一条评论\r\n第二条\r\n第三条' | iconv -f UTF-8 -t GBK >"$work_dir/expected.txt"
cmp -s "$work_dir/expected.txt" "$program_dir/$new_files" || fail "file bytes differ"
uri=$(python3 -c 'import pathlib,sys; print(pathlib.Path(sys.argv[1]).as_uri())' \
  "$program_dir/$new_files")
[ "$(cat "$revealed")" = "$uri" ] || fail "file manager got '$(cat "$revealed")', not '$uri'"
click "${open_folder_box[@]}"
click "${export_button[@]}"
sleep 0.7
[ "$(wc -l <"$revealed")" = 1 ] || fail "revealed again with the box unticked"
take_screenshot after_export
echo "3. one file $new_files, GBK bytes of the cleaned comment; revealed once, not when unticked"

# 4. A click empties the account-name box; clear, then undo.
click "${account_box[@]}"
click "${export_button[@]}"
sleep 0.7
ls "$program_dir" | grep -qE '^[0-9]{2}\.[0-9]{2}微信留言评论3-[0-9]{6}\.txt$' ||
  fail "the emptied box did not give the default name"
click "${clear_button[@]}"
click "${editor[@]}"
xdotool type --delay 15 "x"
xdotool key ctrl+a ctrl+c
sleep 0.3
[ "$(clipboard)" = "x" ] || fail "the editor was not empty after clear"
xdotool key ctrl+z ctrl+z
click "${copy_button[@]}"
sleep 0.3
[ "$(clipboard)" = "$(printf '第一条评论\r\n第二条\r\n第三条')" ] || fail "undo did not bring the text back"
echo "4. the box empties on a click; clear empties the editor and Ctrl+Z brings it back"

# 5. The customer-service button.
click "${customer_service[@]}"
wait_for_file "$links" || true
[ "$(cat "$links")" = "tencent://message/?uin=800012345&Site=https://www.example.com/&Menu=yes" ] ||
  fail "handler got '$(cat "$links")'"
echo "5. the tencent: handler received the exact link"

# 6. Emoji from the keyboard: "[" or "【" and letters offer the emoji, Enter
# or Esc answer the list, Ctrl+Z takes a completion back; Ctrl+Tab reaches the
# palette, whose arrows and Enter and Space insert at the comment's caret.
click "${clear_button[@]}"
click "${editor[@]}"
xdotool type --delay 15 "[wx"
xdotool key Return Return
xdotool type --delay 15 "【微"
xdotool key Return Return
xdotool type --delay 15 "[1]"
xdotool key Return
xdotool type --delay 15 "[wx"
take_screenshot completion_list
xdotool key Escape
sleep 0.3
xdotool getwindowname "$window_id" >/dev/null 2>&1 || fail "Esc over the list closed the window"
xdotool key Return
xdotool type --delay 15 "[ok"
xdotool key Return ctrl+z ctrl+Tab Right Right Return
take_screenshot palette_focus
xdotool key space
click "${copy_button[@]}"
sleep 0.3
expected=$(printf '[微笑]\r\n[微笑]\r\n[1]\r\n[wx\r\n[ok[奸笑][奸笑]')
[ "$(clipboard)" = "$expected" ] || fail "keyboard emoji gave: $(clipboard | od -c | head -n 4)"
echo "6. [wx and 【微 completed to [微笑], [1] kept, Esc kept [wx, Ctrl+Z undid [OK];"\
  "Ctrl+Tab, Right, Right, Enter, Space put [奸笑] in twice"

# 7. Every control within reach of the keyboard: from the editor, Ctrl+Tab
# three times (the palette, the first radio) reaches 复制留言, and Space copies.
click "${clear_button[@]}"
click "${editor[@]}"
xdotool type --delay 15 "keys"
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab space
sleep 0.3
[ "$(clipboard)" = "keys" ] || fail "Ctrl+Tab three times, Space copied '$(clipboard)'"
echo "7. from the editor Ctrl+Tab reached 复制留言, and Space copied"

# 8. Esc closes; what is left in the editor is saved nowhere.
click "${editor[@]}"
xdotool type --delay 15 "unsaved-marker"
xdotool key Escape
wait_for_exit
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
if grep -rl "unsaved-marker" "$HOME" "$program_dir" "$XDG_RUNTIME_DIR" 2>/dev/null; then
  fail "the comment was saved"
fi
echo "8. Esc closed the window, exit code 0, nothing saved"
