#Shared by the end - to - end scripts : a private X server and helpers around it.
#Source it; it sets DISPLAY and cleans up on exit.
set - euo pipefail

          screenshot_dir = ${QUILLMARK_SCREENSHOTS : -$PWD / e2e - screenshots} mkdir - p
                           "$screenshot_dir" work_dir = $(mktemp - d) xvfb_pid = ""

    cleanup(){[-n "${app_pid:-}"] && kill "$app_pid" 2 > / dev / null ||
              true[-n "$xvfb_pid"] && kill "$xvfb_pid" 2 > / dev / null ||
              true rm - rf "$work_dir"} trap cleanup EXIT

    start_x_server() {
  local fd_file="$work_dir/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024x24}" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100);
  do
    [-s "$fd_file"]&& break sleep 0.05 done export DISPLAY =
        ":$(tr -d '\n' <" $fd_file ")" export QT_QPA_PLATFORM = xcb export HOME =
            "$work_dir/home" XDG_RUNTIME_DIR = "$work_dir/runtime" export XDG_CONFIG_HOME =
                "$work_dir/home/.config" XDG_DATA_HOME =
                    "$work_dir/home/.local/share" mkdir - p
                    "$HOME"
                    "$XDG_RUNTIME_DIR"
                    "$XDG_CONFIG_HOME"
                    "$XDG_DATA_HOME" chmod 700 "$XDG_RUNTIME_DIR"
}

#Starts a copy of the program from a folder of its own and waits for its window.
start_quillmark(){local binary = $1 program_dir =
                      "$work_dir/program" mkdir - p "$program_dir" cp
                                                    "$binary"
                                                    "$program_dir/quillmark"
                                                    "$program_dir/quillmark" >
                      "$work_dir/quillmark.log" 2 > & 1 & app_pid = $ !window_id =
                          $(timeout 20 xdotool search-- sync-- name '^Velmora - Quillmark v4\.0$' |
                            head - n 1)[-n "$window_id"] ||
                          fail "the window did not appear"}

take_screenshot(){import - window root "$screenshot_dir/$1.png"}

fail() {
  echo "FAIL: $*" > &2 [-f "$work_dir/quillmark.log"] && cat "$work_dir/quillmark.log" > &2 exit 1
}
