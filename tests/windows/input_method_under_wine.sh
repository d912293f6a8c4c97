#!/usr/bin/env bash
# Chinese typed into quillmark.exe under Wine through fcitx5, which Wine
# reaches through XIM, in the style given:
# - on-the-spot: the input method hands its composition to Wine, which passes
#   it to the program in WM_IME_COMPOSITION, as Windows input methods do; an
#   emoji click, a copy, a clear or an export ends it first, once, with the
#   text the user saw (fcitx5 shows the pinyin itself, "ni hao");
# - root: the input method draws its own window and Wine tells the program
#   nothing of what is being composed; no call of the program commits it, so
#   it lands where and when the input method commits it.
# On the spot, the program runs with a stand-in for an input method's
# candidate window in the screen's top-left corner: a click there, as on a
# candidate, leaves the composition open.
# Pinyin typed with xdotool, the comment read back with xclip.
# Usage: input_method_under_wine.sh BUILD_DIR QUILLMARK_EXE on-the-spot|root
source "$(dirname "$0")/../e2e/x_session.sh"
build_dir=$1
program=$2
style=$3

start_x_server 1280x1024x24
export GSETTINGS_BACKEND=memory
im_pid=""
stop_input_method() {
  if [ -n "$im_pid" ]; then
    kill -- "-$im_pid" 2>/dev/null || true
    for _ in $(seq 50); do pgrep -g "$im_pid" >/dev/null || break; sleep 0.1; done
    pkill -KILL -g "$im_pid" 2>/dev/null || true
  fi
}
source "$(dirname "$0")/wine_prefix.sh"
use_wine_prefix "$build_dir" "input-method-$style" zh_CN.UTF-8
trap 'wineserver -k 2>/dev/null || true; stop_input_method; cleanup' EXIT

# fcitx5 with a profile of its own holding pinyin; its XIM front end offers
# the on-the-spot style only when told to.
mkdir -p "$XDG_CONFIG_HOME/fcitx5/conf"
printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=pinyin' '' \
  '[Groups/0/Items/0]' 'Name=keyboard-us' 'Layout=' '' '[Groups/0/Items/1]' 'Name=pinyin' \
  'Layout=' '' '[GroupOrder]' '0=Default' >"$XDG_CONFIG_HOME/fcitx5/profile"
case $style in
on-the-spot) echo 'UseOnTheSpot=True' >"$XDG_CONFIG_HOME/fcitx5/conf/xim.conf" ;;
root) echo 'UseOnTheSpot=False' >"$XDG_CONFIG_HOME/fcitx5/conf/xim.conf" ;;
*) fail "no such style: $style" ;;
esac
setsid fcitx5 >"$work_dir/im.log" 2>&1 &
im_pid=$!
for _ in $(seq 100); do fcitx5-remote >/dev/null 2>&1 && break; sleep 0.1; done
export XMODIFIERS=@im=fcitx

program_dir="$work_dir/program"
mkdir -p "$program_dir"
cp "$program" "$program_dir/quillmark.exe"
(cd "$program_dir" && exec wine quillmark.exe) >"$work_dir/quillmark.log" 2>&1 &
app_pid=$!
window_id=$(timeout 60 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
[ -n "$window_id" ] || fail "the window did not appear"
sleep 1
click() { xdotool mousemove --window "$window_id" "$1" "$2" click 1; sleep 0.4; }
# A key with Ctrl held until the input method has handed the key back: XIM
# sends a key press on a round trip through fcitx5 but not the release of
# Ctrl, so a chord typed at xdotool's pace can reach Wine as a bare letter.
with_ctrl() {
  xdotool keydown ctrl
  sleep 0.1
  xdotool key "$1"
  sleep 0.4
  xdotool keyup ctrl
  sleep 0.1
}
select_and_copy() { click 300 100; with_ctrl a; with_ctrl c; }
# A comment read back empty is read once more: under load the first copy can
# be taken before Scintilla has the focus.
editor_text() {
  local text
  text=$(copied_by select_and_copy)
  [ -n "$text" ] || text=$(copied_by select_and_copy)
  printf '%s' "$text"
}
type_pinyin() { xdotool type --delay 80 "$1"; sleep 0.8; }
fresh_comment() { click 613 346; click 300 100; }
click 300 100
# Pinyin on as a user switches it on; the first Ctrl+Space can reach Wine
# before its input context exists, so fcitx5 is then asked directly.
xdotool key ctrl+space
for _ in $(seq 150); do
  [ "$(fcitx5-remote)" = 2 ] && break
  fcitx5-remote -o
  sleep 0.1
done
[ "$(fcitx5-remote)" = 2 ] || fail "pinyin is not on"

# Each step: what it does, then what the editor, the clipboard or the export
# folder must hold.
step_typing() {
  fresh_comment
  type_pinyin nihao
  xdotool key space
  expected="你好"
  got=$(editor_text)
}
step_emoji() {
  fresh_comment
  type_pinyin nihao
  take_screenshot "wine_${style}_composing"
  click 27 270
  type_pinyin zaijian
  xdotool key space
  case $style in
  on-the-spot) expected="ni hao[微笑]再见" ;;
  root) expected="[微笑]你好再见" ;; # the code first: the program never saw "ni hao"
  esac
  got=$(editor_text)
}
step_copy() {
  fresh_comment
  type_pinyin nihao
  got="$(copied_by click 540 346)|$(editor_text)"
  case $style in
  on-the-spot) expected="ni hao|ni hao" ;;
  root)
    # Still composing after the copy: the syllables land only when the user
    # commits them, after the copy, wherever the focus then is.
    xdotool key space
    sleep 0.4
    got+="|$(editor_text)"
    expected="||你好"
    ;;
  esac
}
step_candidate_click() {
  fresh_comment
  type_pinyin nihao
  xdotool mousemove 60 20 click 1
  sleep 0.4
  # Back over the comment: with no window manager, X sends the keys to the
  # window under the pointer, where Windows keeps them with the focus.
  xdotool mousemove --window "$window_id" 300 100
  xdotool key space
  expected="你好"
  got=$(editor_text)
}
# The completion list waits for the composition: "[" with pinyin off (its
# Chinese punctuation makes it a "·"), then 微笑 committed, then Enter.
step_completion() {
  fresh_comment
  fcitx5-remote -c
  sleep 0.3
  xdotool key bracketleft
  fcitx5-remote -o
  sleep 0.3
  type_pinyin weixiao
  xdotool key space
  sleep 0.8
  xdotool key Return
  sleep 0.4
  expected="[微笑]"
  got=$(editor_text)
}
step_account_name() {
  click 510 417 # unchecked: no file browser over the window
  click 600 386
  type_pinyin nihao
  xdotool key space
  click 576 461
  sleep 1
  expected="你好评论"
  got=$(ls "$program_dir" | grep -oE '你好评论' || true)
}
step_escape() {
  fresh_comment
  printf '留下' | xclip -i -selection clipboard >/dev/null 2>&1
  with_ctrl v
  type_pinyin nihao
  xdotool key Escape
  sleep 1
  kill -0 "$app_pid" 2>/dev/null || fail "Esc while composing ended the program"
  expected="留下"
  got=$(editor_text)
}

steps=(typing emoji copy escape completion account_name)
[ "$style" = on-the-spot ] && steps=(typing candidate_click emoji copy escape completion account_name)
for step in "${steps[@]}"; do
  "step_$step"
  [ "$got" = "$expected" ] || fail "$style, $step: got '$got', expected '$expected'"
  echo "$style, $step: $got"
done

# With nothing being composed, Esc closes the window.
click 300 100
xdotool key Escape
wait_for_exit 10
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
echo "$style: a second Esc, with nothing composed, ends the program with exit code 0"
