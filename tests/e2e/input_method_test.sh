#!/usr/bin/env bash
# Chinese typed through a real input method, fcitx5 or IBus, each with its own
# daemon on a private session bus: pinyin typed with xdotool, read back with
# xclip. Whatever ends a composition (an emoji click, a copy, an export), the
# text the user saw lands once and the next keys reach the program.
# Usage: input_method_test.sh fcitx5|ibus QUILLMARK
source "$(dirname "$0")/x_session.sh"
framework=$1
binary=$2

start_x_server 1280x1024x24
export GSETTINGS_BACKEND=memory
im_pid=""
# The daemon and the helpers it starts share a process group of their own.
stop_input_method() {
  if [ -n "$im_pid" ]; then
    kill -- "-$im_pid" 2>/dev/null || true
    for _ in $(seq 50); do pgrep -g "$im_pid" >/dev/null || break; sleep 0.1; done
    pkill -KILL -g "$im_pid" 2>/dev/null || true
  fi
}
trap 'stop_input_method; cleanup' EXIT

# fcitx5 with a profile of its own holding pinyin, switched on only once the
# editor has the focus; IBus with libpinyin as its global engine.
case $framework in
fcitx5)
  mkdir -p "$XDG_CONFIG_HOME/fcitx5"
  printf '%s\n' '[Groups/0]' 'Name=Default' 'Default Layout=us' 'DefaultIM=pinyin' '' \
    '[Groups/0/Items/0]' 'Name=keyboard-us' 'Layout=' '' '[Groups/0/Items/1]' 'Name=pinyin' \
    'Layout=' '' '[GroupOrder]' '0=Default' >"$XDG_CONFIG_HOME/fcitx5/profile"
  setsid fcitx5 >"$work_dir/im.log" 2>&1 &
  im_pid=$!
  for _ in $(seq 100); do fcitx5-remote >/dev/null 2>&1 && break; sleep 0.1; done
  export QT_IM_MODULE=fcitx XMODIFIERS=@im=fcitx
  switch_on() { fcitx5-remote -o; sleep 0.3; }
  # fcitx5's Chinese punctuation makes "[" a "·": the bracket is typed with
  # pinyin off, as its users do.
  open_bracket() { fcitx5-remote -c; sleep 0.3; xdotool key bracketleft; switch_on; }
  shown="ni hao" # fcitx5 shows the pinyin while composing
  ;;
ibus)
  setsid ibus-daemon --replace --xim --panel=disable >"$work_dir/im.log" 2>&1 &
  im_pid=$!
  for _ in $(seq 100); do ibus engine libpinyin 2>/dev/null && break; sleep 0.1; done
  export QT_IM_MODULE=ibus XMODIFIERS=@im=ibus
  switch_on() { sleep 0.3; }
  open_bracket() { xdotool key bracketleft; } # libpinyin makes it "【"
  shown="你好" # IBus shows the highlighted candidate
  ;;
*) fail "no such framework: $framework" ;;
esac

start_quillmark "$binary"
sleep 0.7
click() { xdotool mousemove --window "$window_id" "$1" "$2" click 1; sleep 0.3; }
# A read that finds nothing on the clipboard would wait for ever inside $(...).
clipboard() { timeout 5 xclip -o -selection clipboard >"$work_dir/clip" 2>/dev/null || true; cat "$work_dir/clip"; }
editor_text() { click 300 100; xdotool key ctrl+a ctrl+c; sleep 0.3; clipboard; }
type_pinyin() { xdotool type --delay 60 "$1"; sleep 0.4; }
fresh_comment() { click 613 346; click 300 100; }
click 300 100
switch_on

# Each step: what it does, then what the editor (or the export) must hold.
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
  import -window root -crop 680x300+300+229 +repage "$screenshot_dir/${framework}_composing.png"
  click 27 270
  type_pinyin zaijian
  xdotool key space
  expected="${shown}[微笑]再见"
  got=$(editor_text)
}
step_copy() {
  fresh_comment
  type_pinyin nihao
  click 540 346
  got="$(clipboard)|$(editor_text)"
  expected="$shown|$shown"
}
# The completion list waits for the composition: a bracket, then 微笑
# committed, then Enter chooses [微笑].
step_completion() {
  fresh_comment
  open_bracket
  type_pinyin weixiao
  xdotool key space
  sleep 0.4
  xdotool key Return
  expected="[微笑]"
  got=$(editor_text)
}
step_account_name() {
  click 600 386
  type_pinyin nihao
  xdotool key space
  click 576 461
  sleep 0.7
  expected="你好评论"
  got=$(ls "$program_dir" | grep -oE '你好评论' || true)
}

for step in typing emoji copy completion account_name; do
  "step_$step"
  [ "$got" = "$expected" ] || fail "$framework, $step: got '$got', expected '$expected'"
  echo "$framework, $step: $got"
done
