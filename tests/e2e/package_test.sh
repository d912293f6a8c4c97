#!/usr/bin/env bash
# The Debian package as a user meets it: checked by lintian, its desktop entry
# and AppStream data validated, then unpacked into a scratch root (the
# machine's own packages untouched) and run from there by an ordinary user,
# not root, under Xvfb with a private session bus and a stand-in file manager.
# Such a user cannot write the program's folder: the export goes to the
# documents folder. Once the user owns the folder, the export goes beside it.
# Usage: package_test.sh QUILLMARK_DEB FAKE_FILE_MANAGER
source "$(dirname "$0")/x_session.sh"
deb=$1
file_manager=$2
user=nobody

lintian --fail-on error "$deb" 2>/dev/null || fail "lintian reports an error"
root="$work_dir/root"
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/quillmark.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.velmora.Quillmark.metainfo.xml" \
  >"$work_dir/appstream.log" || fail "metainfo: $(cat "$work_dir/appstream.log")"
for size in 48x48 256x256; do
  [ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/$size/apps/quillmark.png")" = "$size" ] ||
    fail "no $size icon"
done
echo "1. lintian without errors; desktop entry and metainfo valid; icons 48x48 and 256x256"

# The user's own session: a home, a session bus and the file manager, all theirs.
start_x_server 1280x1024x24
chmod 711 "$work_dir"
# The build folder may lie where the user cannot reach, as under /root.
install -m 755 "$file_manager" "$work_dir/fake_file_manager"
file_manager="$work_dir/fake_file_manager"
user_home="$work_dir/user-home"
mkdir -p "$user_home"
chown "$user" "$user_home"
# A command line that runs as the user, with the user's environment; started
# in the background it leaves the command's own pid in $!.
as_user=(setpriv --reuid="$user" --regid=nogroup --clear-groups --reset-env
  env DISPLAY="$DISPLAY" HOME="$user_home" XDG_RUNTIME_DIR="$user_home/runtime"
  XDG_CONFIG_HOME="$user_home/.config" XDG_DATA_HOME="$user_home/.local/share"
  DBUS_SESSION_BUS_ADDRESS="unix:path=$user_home/bus" QT_QPA_PLATFORM=xcb LANG=C.UTF-8)
"${as_user[@]}" mkdir -m 700 "$user_home/runtime"
"${as_user[@]}" dbus-daemon --session --nofork --address="unix:path=$user_home/bus" >/dev/null 2>&1 &
user_bus_pid=$!
revealed="$user_home/revealed.txt"
"${as_user[@]}" touch "$revealed"
for _ in $(seq 100); do [ -S "$user_home/bus" ] && break; sleep 0.05; done
"${as_user[@]}" "$file_manager" "$revealed" &
fm_pid=$!
trap 'kill "$fm_pid" "$user_bus_pid" 2>/dev/null || true; cleanup' EXIT
sleep 0.5

"${as_user[@]}" "$root/usr/bin/quillmark" >"$work_dir/quillmark.log" 2>&1 &
app_pid=$!
window_id=$(timeout 20 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
[ -n "$window_id" ] || fail "the installed program showed no window"
sleep 0.7
click() { xdotool mousemove --window "$window_id" "$1" "$2" click 1; sleep 0.2; }
click 300 100
xdotool type --delay 15 "installed"
click 27 270
click 576 461
sleep 0.7

documents="$user_home/Documents"
exported=$(ls "$documents" 2>/dev/null || true)
grep -qE '^[0-9]{2}\.[0-9]{2}微信留言评论1-[0-9]{6}\.txt$' <<<"$exported" ||
  fail "no export in the documents folder: '$exported'"
[ "$(stat -c %U "$documents/$exported")" = "$user" ] || fail "the export is not the user's"
printf 'installed[微笑]' | iconv -f UTF-8 -t GBK | cmp -s - "$documents/$exported" ||
  fail "the export's bytes are not the comment's GBK"
[ "$(ls -A "$root/usr/bin")" = quillmark ] || fail "something was written beside the program"
wait_for_file "$revealed" || fail "the file manager was not asked to show the export"
uri=$(python3 -c 'import pathlib,sys; print(pathlib.Path(sys.argv[1]).as_uri())' "$documents/$exported")
[ "$(head -n 1 "$revealed")" = "$uri" ] || fail "file manager got '$(cat "$revealed")', not '$uri'"
echo "2. as $user: $exported in the documents folder, GBK bytes, shown there by the file manager"

chown "$user" "$root/usr/bin"
click 300 100
xdotool type --delay 15 "beside"
click 576 461
sleep 0.7
beside=$(ls "$root/usr/bin" | grep -v '^quillmark$' || true)
grep -qE '^[0-9]{2}\.[0-9]{2}微信留言评论1-[0-9]{6}\.txt$' <<<"$beside" ||
  fail "no export beside the program its user owns: '$beside'"
echo "3. as the owner of the program's folder: $beside beside the program"
click 300 100
xdotool key Escape
wait_for_exit
[ "$exit_code" = 0 ] || fail "exit code $exit_code"
