#!/usr/bin/env bash
# One session of quillmark.exe under Wine in Xvfb, driven only from outside
# with xdotool and xclip, as the Linux session is: the window, every emoji
# place, a pasted comment copied and exported, the reveal, the customer-service
# link and Esc. Run once per language: zh_CN.UTF-8 gives Wine the ANSI code
# page 936, en_US.UTF-8 the code page 1252, and the captions, the file's name
# and the clipboard must be right on both.
# At another display scale (the prefix's LogPixels) the window, its controls,
# captions and pictures are checked at that scale, an emoji is clicked at its
# scaled place, and the session ends there.
# With "high-contrast" the prefix has a scheme of white button text on a black
# button face, and the captions must be light on dark.
# Usage: session_under_wine.sh BUILD_DIR LANG QUILLMARK_EXE RECORD_LINK_EXE WINDOW_LAYOUT_EXE
#        [DOTS_PER_INCH [high-contrast]]
source "$(dirname "$0")/../e2e/x_session.sh"
build_dir=$1
language=$2
program=$3
recorder=$4
layout=$5
dpi=${6:-96}
scheme=${7:-standard}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

# A screen on which the window fits at the scale.
if [ "$dpi" -gt 144 ]; then screen=(1920 1200); else screen=(1280 1024); fi
start_x_server "${screen[0]}x${screen[1]}x24"
source "$(dirname "$0")/wine_prefix.sh"
if [ "$dpi" = 96 ]; then
  use_wine_prefix "$build_dir" "session-$language" "$language"
  if [ "$language" = zh_CN.UTF-8 ]; then
    # As on Windows 7 SP1, which many Chinese office and shop PCs still run.
    wine reg add 'HKCU\Software\Wine' /v Version /d win7 /f >/dev/null 2>&1
    wineserver -w
    windows=$(wine cmd /c ver 2>/dev/null | tr -d '\r' | grep -o '[0-9][0-9.]*' | head -n 1)
    [ "${windows%.*}" = 6.1 ] || fail "Wine reports Windows $windows, not 7 (6.1)"
  fi
else
  use_wine_prefix "$build_dir" "session-$language-$dpi-$scheme" "$language"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  if [ "$scheme" = high-contrast ]; then
    for colour in 'ButtonFace 0 0 0' 'ButtonText 255 255 255' 'Window 0 0 0' \
      'WindowText 255 255 255' 'GrayText 63 241 0'; do
      read -r name value <<<"$colour"
      wine reg add 'HKCU\Control Panel\Colors' /v "$name" /d "$value" /f >/dev/null 2>&1
    done
  fi
  wineserver -w
fi
# Only this prefix's own Wine server, whatever a failed step left running.
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
program_dir="$work_dir/program"
mkdir -p "$program_dir"
cp "$program" "$program_dir/quillmark.exe"
cp "$recorder" "$program_dir/record_link.exe"
cp "$layout" "$program_dir/window_layout.exe"
# Wine reads URL handlers from HKCR only; its own reg prints in the ANSI code page.
windows_dir="Z:${program_dir//\//\\}"
wine reg add 'HKCR\tencent' /v 'URL Protocol' /d '' /f >/dev/null 2>&1
wine reg add 'HKCR\tencent\shell\open\command' /ve /d "\"$windows_dir\\record_link.exe\" \"%1\"" \
  /f >/dev/null 2>&1

(cd "$program_dir" && exec wine quillmark.exe) >"$work_dir/quillmark.log" 2>&1 &
app_pid=$!
window_id=$(timeout 60 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
[ -n "$window_id" ] || fail "the window did not appear"
sleep 1
# A length of the description at the scale, rounded as the program rounds it.
s() { echo $((($1 * dpi + 48) / 96)); }
click() { xdotool mousemove --window "$window_id" "$(s "$1")" "$(s "$2")" click 1; sleep "${3:-0.15}"; }
clipboard() { timeout 5 xclip -o -selection clipboard; }
shot="wine_${language%%.*}"
[ "$dpi" = 96 ] || shot+="_${dpi}dpi"
[ "$scheme" = standard ] || shot+="_$scheme"

# 1. Without a window manager Wine draws no frame: the X window is the client
# area, centred on the screen; its controls and captions as the helper finds them.
geometry=$(xwininfo -id "$window_id")
read -r left top width height < <(awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
  /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}' <<<"$geometry")
[ "$width $height" = "$(s 680) $(s 536)" ] || fail "client is ${width}x${height} at $dpi dpi"
[ $((left - (screen[0] - width) / 2)) -le 1 ] && [ $((left - (screen[0] - width) / 2)) -ge -1 ] ||
  fail "not centred across: $left"
# The outer window is centred: the client area lies lower by half the caption.
below=$((top + height / 2 - screen[1] / 2))
[ "$below" -ge 0 ] && [ "$below" -le "$(s 24)" ] || fail "not centred down: $top"
(cd "$program_dir" && wine window_layout.exe "$dpi") >"$work_dir/layout.txt" 2>&1 ||
  fail "layout at $dpi dpi: $(tr -d '\r' <"$work_dir/layout.txt")"
take_screenshot "${shot}_start"
echo "1. window titled, client ${width}x${height}, centred, inside the screen;"\
  "$(tr -d '\r' <"$work_dir/layout.txt" | tail -n 1)"

if [ "$dpi" != 96 ]; then
  # The first emoji, 微笑, drawn from the artwork of twice the size at the
  # scale's size: wider than the normal picture could be.
  import -window root -crop "$(s 24)x$(s 24)+$((left + $(s 15)))+$((top + $(s 258)))" +repage \
    "$work_dir/emoji.png"
  drawn=$(convert "$work_dir/emoji.png" -fuzz 8% -trim -format '%w' info:)
  [ "$drawn" -gt 24 ] || fail "the emoji is drawn $drawn px wide at $dpi dpi"
  if [ "$scheme" = high-contrast ]; then
    # The box of "公众号：": dark on the whole, with light strokes.
    import -window root -crop "$(s 40)x$(s 24)+$((left + $(s 504)))+$((top + $(s 374)))" +repage \
      "$work_dir/caption.png"
    read -r mean brightest <<<"$(convert "$work_dir/caption.png" -colorspace Gray \
      -format '%[fx:int(100*mean)] %[fx:int(100*maxima)]' info:)"
    [ "$mean" -lt 40 ] && [ "$brightest" -gt 80 ] ||
      fail "high contrast: the caption's box is ${mean}% bright on the whole, ${brightest}% at most"
    echo "   high contrast: the caption's box is ${mean}% bright on the whole, ${brightest}% at most"
  fi
  click 300 100
  click 27 270
  click 540 346 0.5
  [ "$(clipboard)" = "[微笑]" ] || fail "an emoji clicked at its scaled place gave '$(clipboard)'"
  # The completion list and the palette's focus mark at the scale.
  click 650 150
  xdotool type --delay 20 "[wx"
  sleep 0.3
  take_screenshot "${shot}_completion_list"
  xdotool key Return ctrl+Tab Right Right
  sleep 0.3
  take_screenshot "${shot}_palette_focus"
  xdotool key Return
  click 540 346 0.5
  [ "$(clipboard)" = "[微笑][微笑][奸笑]" ] || fail "keyboard emoji at $dpi dpi gave '$(clipboard)'"
  click 650 150
  xdotool key Escape
  wait_for_exit 10
  [ "$exit_code" = 0 ] || fail "exit code $exit_code"
  echo "2. at $dpi dpi the first emoji is drawn $drawn px wide and, clicked, puts [微笑] in;"\
    "[wx and Enter, then Ctrl+Tab, Right, Right and Enter, put [微笑][奸笑] in"
  echo "session under Wine ($language, $dpi dpi): passed"
  exit 0
fi

# 2. Every emoji place, row by row: the 94 shown codes and nothing for the 26 hidden.
declare -A codes hidden
while read -r number label set; do
  codes[$number]="[$label]"
  [ "$set" = kMessage ] && hidden[$number]=1
done < <(grep -oE '\{[0-9]+, "[^"]+", "[^"]*", k[A-Za-z]+\}' "$source_dir/emoji/catalogue.cpp" |
  sed -E 's/\{([0-9]+), "([^"]+)", "[^"]*", (k[A-Za-z]+)\}/\1 \2 \3/')
[ "${#codes[@]}" = 120 ] && [ "${#hidden[@]}" = 26 ] || fail "catalogue not read"
row_first=(106 1 16 31 46 61 76 91)
row_top=(224 258 297 337 374 416 456 496)
click 300 100
# A press on an emoji released outside it is no click.
xdotool mousemove --window "$window_id" 27 236 mousedown 1 mousemove --window "$window_id" 300 100 \
  mouseup 1
expected=""
for row in 0 1 2 3 4 5 6 7; do
  for column in $(seq 0 14); do
    number=$((row_first[row] + column))
    click $(((row >= 6 ? 16 : 15) + 32 * column + 12)) $((row_top[row] + 12)) 0.05
    [ -z "${hidden[$number]:-}" ] && expected+="${codes[$number]}"
  done
done
click 540 346 0.5   # copy
[ "$(clipboard)" = "$expected" ] || fail "palette gave $(clipboard | head -c 200)"
echo "2. 120 places clicked: the 94 shown codes in order, nothing for the 26 hidden"

# 3. A pasted comment with blank lines and an emoji, and a Tab typed into the
# editor, copied cleaned. Wine hands X11 its text with LF line ends.
click 613 346   # clear
printf '第一条[微笑]\n\n第二条\n\n\n第三条\n' | xclip -i -selection clipboard
click 300 100
xdotool key ctrl+v Tab x
sleep 0.3
click 540 346 0.5
[ "$(clipboard)" = "$(printf '第一条[微笑]\n第二条\n第三条\n\tx')" ] ||
  fail "copied $(clipboard | od -c | head -n 4)"
echo "3. pasted comment and a typed Tab copied without the blank lines"

# 4. Export under an account name: one file beside the exe, the design's name,
# the GBK bytes; the reveal starts Wine's file browser on that folder.
click 600 386
xdotool type --delay 20 "Daily"
click 576 461 1
new_files=$(ls "$program_dir" | grep -vE '^(quillmark|record_link|window_layout)\.exe$' || true)
[ "$(wc -l <<<"$new_files")" = 1 ] || fail "not exactly one new file: $new_files"
grep -qE '^[0-9]{2}\.[0-9]{2}Daily评论4-[0-9]{6}\.txt$' <<<"$new_files" || fail "name: $new_files"
printf '第一条[微笑]\r\n第二条\r\n第三条\r\n\tx' | iconv -f UTF-8 -t GBK >"$work_dir/expected.txt"
cmp -s "$work_dir/expected.txt" "$program_dir/$new_files" || fail "file bytes differ"
take_screenshot "${shot}_exported"
browser=$(timeout 20 xdotool search --sync --name '^program$' | head -n 1 || true)
[ -n "$browser" ] ||
  fail "no file browser on the program's folder: $(xdotool search --name . getwindowname %@)"
take_screenshot "${shot}_revealed"
echo "4. exported $new_files with the GBK bytes; the file browser shows its folder"

# 5. The customer-service link reaches the handler registered for tencent:.
click 574 505 2
uri="tencent://message/?uin=800012345&Site=https://www.example.com/&Menu=yes"
[ "$(cat "$program_dir/links.txt" 2>/dev/null)" = "$uri" ] ||
  fail "handler got '$(cat "$program_dir/links.txt" 2>/dev/null)'"
echo "5. the handler got $uri"

# 6. Emoji from the keyboard: "[" or "【" and letters offer the emoji, Enter
# or Esc answer the list, Ctrl+Z takes a completion back; Ctrl+Tab reaches the
# palette, whose arrows and Enter and Space insert at the comment's caret.
click 613 346
click 650 150
xdotool type --delay 20 "[wx"
xdotool key Return Return
# Wine misses the characters that the keyboard map lacks, which xdotool binds
# for a moment: "【" comes through the clipboard, the letters from the keys.
printf '【' | xclip -i -selection clipboard
xdotool key ctrl+v
xdotool type --delay 20 "wei"
xdotool key Return Return
xdotool type --delay 20 "[1]"
xdotool key Return
xdotool type --delay 20 "[wx"
sleep 0.3
take_screenshot "${shot}_completion_list"
xdotool key Escape
sleep 0.5
kill -0 "$app_pid" 2>/dev/null || fail "Esc over the list ended the program"
xdotool key Return
xdotool type --delay 20 "[ok"
xdotool key Return ctrl+z ctrl+Tab Right Right Return
sleep 0.3
take_screenshot "${shot}_palette_focus"
xdotool key space
click 540 346 0.5
[ "$(clipboard)" = "$(printf '[微笑]\n[微笑]\n[1]\n[wx\n[ok[奸笑][奸笑]')" ] ||
  fail "keyboard emoji gave: $(clipboard | od -c | head -n 4)"
echo "6. [wx and 【wei completed to [微笑], [1] kept, Esc kept [wx, Ctrl+Z undid [OK];"\
  "Ctrl+Tab, Right, Right, Enter, Space put [奸笑] in twice"

# 7. Every control within reach of the keyboard: from the editor, Ctrl+Tab
# three times (the palette, the first radio) reaches 复制留言, and Space copies.
click 613 346
click 650 150
xdotool type --delay 20 "keys"
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab space
sleep 0.5
[ "$(clipboard)" = "keys" ] || fail "Ctrl+Tab three times, Space copied '$(clipboard)'"
echo "7. from the editor Ctrl+Tab reached 复制留言, and Space copied"

# 8. Esc in the editor ends the program with exit code 0.
click 650 150
xdotool key Escape
wait_for_exit 10
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "8. Esc: exit code 0"
echo "session under Wine ($language): passed"
