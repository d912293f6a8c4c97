#!/usr/bin/env bash
# The setup program as a Windows user meets it, under Wine in a fresh prefix
# with a Chinese locale: its welcome page in Chinese; an older version, then
# this one, installed silently over it (one entry in Apps & features, with the
# new version); the files, the Start-menu shortcut and the uninstall entry in
# place; the installed program started from Program Files, which it can write
# here as it could with administrator rights, exporting into Documents and
# revealing it there; the setup program refusing, silently, to change
# anything while it runs; the program run from the temporary folder, as from
# inside a zip, exporting into Documents too; a silent uninstall that removes
# all it put down and leaves the exports; then an install into a folder of
# the user's choice, upgraded in place.
# Started as root, the session runs as the user nobody, as a user would.
# Usage: installer_under_wine.sh SETUP_EXE OLDER_SETUP_EXE QUILLMARK_EXE
source "$(dirname "$0")/../e2e/x_session.sh"
setup=$1
older_setup=$2
program=$3
user=nobody

start_x_server 1280x1024x24
chmod 711 "$work_dir"
user_home="$work_dir/user-home"
mkdir -p "$user_home/Desktop" "$user_home/Documents"
install -m 644 "$setup" "$user_home/setup.exe"
install -m 644 "$older_setup" "$user_home/older-setup.exe"
install -m 644 "$program" "$user_home/quillmark.exe"
# The locale is made where the user can read it; the machine's stay as they are.
export LOCPATH="$work_dir/locales"
mkdir -p "$LOCPATH"
localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8"
as_user=(env)
if [ "$(id -u)" = 0 ]; then
  chown -R "$user" "$user_home"
  as_user=(setpriv --reuid="$user" --regid=nogroup --clear-groups env)
fi
export WINEPREFIX="$user_home/prefix" WINEDEBUG=-all HOME="$user_home" LANG=zh_CN.UTF-8 \
  LC_ALL=zh_CN.UTF-8
wine() { "${as_user[@]}" wine "$@"; }
trap '"${as_user[@]}" wineserver -k 2>/dev/null || true; cleanup' EXIT
wine wineboot -i >/dev/null 2>&1
"${as_user[@]}" wineserver -w
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Quillmark"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark'
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillmark.lnk"

# 1. The welcome page, in Chinese on a Chinese Windows.
wine "$user_home/setup.exe" >/dev/null 2>&1 &
page=$(timeout 60 xdotool search --sync --name '^Quillmark 安装$' | head -n 1 || true)
[ -n "$page" ] || fail "no setup window titled 'Quillmark 安装': $(xdotool search --name . getwindowname %@)"
sleep 1
take_screenshot wine_setup_welcome
"${as_user[@]}" wineserver -k
"${as_user[@]}" wineserver -w
echo "1. the welcome page in Chinese"

# 2. The older version, then this one over it, both silently.
wine "$user_home/older-setup.exe" /S
wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -q '4\.0\.0' || fail "older version not installed"
wine "$user_home/setup.exe" /S
"${as_user[@]}" wineserver -w
cmp -s "$installed/quillmark.exe" "$program" || fail "no quillmark.exe of this build in Program Files"
for file in uninstall.exe NOTICE.emoji.txt LICENSE.scintilla.txt LICENSE.libpng.txt LICENSE.zlib.txt; do
  [ -s "$installed/$file" ] || fail "no $file in Program Files"
done
strings -e l "$shortcut" 2>/dev/null | grep -qi 'C:\\Program Files\\Quillmark\\quillmark.exe' ||
  strings "$shortcut" 2>/dev/null | grep -qi 'Program Files\\Quillmark\\quillmark.exe' ||
  fail "the Start-menu shortcut does not point at the installed program"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null |
  tr -d '\r' >"$work_dir/entries"
[ "$(grep -c 'Uninstall\\Quillmark$' "$work_dir/entries")" = 1 ] || fail "not exactly one entry"
wine reg query "$key" 2>/dev/null | tr -d '\r' >"$work_dir/values"
expect_value() { grep -qE "^ +$1 +REG_[A-Z_]+ +$2\$" "$work_dir/values" || fail "$1: $(grep " $1 " "$work_dir/values")"; }
expect_value DisplayName 'Quillmark'
expect_value DisplayVersion '4\.0\.1'
expect_value Publisher 'Velmora'
expect_value DisplayIcon 'C:\\Program Files\\Quillmark\\quillmark\.exe'
expect_value InstallLocation 'C:\\Program Files\\Quillmark'
expect_value UninstallString '"C:\\Program Files\\Quillmark\\uninstall\.exe"'
expect_value QuietUninstallString '"C:\\Program Files\\Quillmark\\uninstall\.exe" /S'
expect_value NoModify '0x1'
expect_value NoRepair '0x1'
expect_value EstimatedSize '0x[0-9a-f]+'
echo "2. installed over 4.0.0: files, Start-menu shortcut and one uninstall entry:"
sed -n 's/^ \+/   /p' "$work_dir/values"

# 3. Started from Program Files, which it can write: the export goes to
# Documents all the same and is revealed there.
wine "C:\\Program Files\\Quillmark\\quillmark.exe" >"$work_dir/quillmark.log" 2>&1 &
window_id=$(timeout 60 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
[ -n "$window_id" ] || fail "the installed program did not start"
sleep 1
click() { xdotool mousemove --window "$window_id" "$1" "$2" click 1; sleep "${3:-0.3}"; }
click 300 100
xdotool type --delay 20 "installed"
click 576 461 1
# Wine links the prefix's Documents to the home's.
for _ in $(seq 50); do
  exported=$(ls "$drive_c/users/$user/Documents/"*微信留言评论1-*.txt 2>/dev/null | head -n 1 || true)
  [ -n "$exported" ] && break
  sleep 0.1
done
[ -n "$exported" ] || fail "no export in Documents: $(ls -la "$drive_c/users/$user/")"
[ -z "$(ls "$installed" | grep '\.txt$' | grep -v -E '^(NOTICE|LICENSE)')" ] ||
  fail "an export in Program Files"
browser=$(timeout 20 xdotool search --sync --name '^(Documents|文档)$' | head -n 1 || true)
[ -n "$browser" ] || fail "no file browser on Documents: $(xdotool search --name . getwindowname %@)"
take_screenshot wine_installed_export_revealed
echo "3. the installed program exported into Documents: ${exported##*/}"

# While it runs, a silent setup changes nothing and says so in its exit code.
code=0
wine "$user_home/setup.exe" /S || code=$?
[ "$code" != 0 ] || fail "setup while Quillmark runs exited 0"
cmp -s "$installed/quillmark.exe" "$program" || fail "setup changed the running program's file"
xdotool getwindowname "$window_id" >/dev/null 2>&1 || fail "setup ended the running program"
echo "   setup /S while it runs: exit code $code, the program and its files unchanged"
click 300 100
xdotool key Escape
"${as_user[@]}" wineserver -k
"${as_user[@]}" wineserver -w

# 3b. From the temporary folder, where an archiver unpacks a program opened
# inside a zip: the export goes to Documents, not into a folder that goes.
temporary=$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')
unpacked="$drive_c/${temporary#*:\\}"
unpacked="${unpacked//\\//}/Rar\$EXa1.2"
"${as_user[@]}" mkdir -p "$unpacked"
"${as_user[@]}" cp "$user_home/quillmark.exe" "$unpacked/quillmark.exe"
wine "$temporary\\Rar\$EXa1.2\\quillmark.exe" >"$work_dir/quillmark.log" 2>&1 &
window_id=$(timeout 60 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
[ -n "$window_id" ] || fail "the unpacked program did not start"
sleep 1
click 510 417 # no file browser this time
click 300 100
xdotool type --delay 20 "unpacked"
click 576 461 1
for _ in $(seq 50); do
  [ "$(ls "$drive_c/users/$user/Documents/"*微信留言评论1-*.txt 2>/dev/null | wc -l)" = 2 ] && break
  sleep 0.1
done
[ "$(ls "$drive_c/users/$user/Documents/"*微信留言评论1-*.txt | wc -l)" = 2 ] ||
  fail "no second export in Documents: $(ls "$unpacked")"
[ -z "$(ls "$unpacked" | grep '\.txt$')" ] || fail "an export in the temporary folder"
click 300 100
xdotool key Escape
"${as_user[@]}" wineserver -k
"${as_user[@]}" wineserver -w
echo "3b. run from $temporary\\Rar\$EXa1.2, it exported into Documents"

# 4. A silent uninstall removes what the installer put down, never the export.
wine "C:\\Program Files\\Quillmark\\uninstall.exe" /S
"${as_user[@]}" wineserver -w
[ ! -e "$installed" ] || fail "left in Program Files: $(ls "$installed")"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
if wine reg query "$key" >/dev/null 2>&1; then fail "the uninstall entry is left"; fi
[ -s "$exported" ] || fail "the export is gone"
echo "4. uninstalled silently: files, shortcut and entry gone; the export is still in Documents"

# 5. Installed into a folder of the user's choice, then upgraded without
# naming it: the upgrade goes into that folder, and one entry remains.
chosen="$drive_c/Tools/Quillmark"
wine "$user_home/older-setup.exe" /S '/D=C:\Tools\Quillmark'
wine "$user_home/setup.exe" /S
"${as_user[@]}" wineserver -w
cmp -s "$chosen/quillmark.exe" "$program" || fail "the upgrade did not replace C:\Tools\Quillmark\quillmark.exe"
[ ! -e "$installed" ] || fail "a second copy in Program Files: $(ls "$installed")"
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 2>/dev/null |
  tr -d '\r' >"$work_dir/entries"
[ "$(grep -c 'Uninstall\\Quillmark$' "$work_dir/entries")" = 1 ] || fail "not exactly one entry"
wine reg query "$key" 2>/dev/null | tr -d '\r' >"$work_dir/values"
expect_value InstallLocation 'C:\\Tools\\Quillmark'
expect_value DisplayVersion '4\.0\.1'
echo "5. installed into C:\Tools\Quillmark, upgraded there in place; one entry"
