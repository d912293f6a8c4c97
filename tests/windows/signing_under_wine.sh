#!/usr/bin/env bash
# Signing with a throwaway certificate, made here with openssl: the program
# signed by tools/sign_windows.sh, and the setup program made from it with the
# uninstaller and itself signed by makensis's finalize steps. osslsigncode
# names the certificate as the signer of all three, and the signed program,
# installed by the signed setup program, still runs under Wine.
# Usage: signing_under_wine.sh BUILD_DIR SETUP_FILES_DIR MAKENSIS INSTALLER_NSI ICON
source "$(dirname "$0")/../e2e/x_session.sh"
build_dir=$1
files=$2
makensis=$3
script=$4
icon=$5
sign="bash $(cd "$(dirname "$0")/../.." && pwd)/tools/sign_windows.sh"
signer="Quillmark Test Signer"

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$signer" -keyout "$work_dir/key.pem" \
  -out "$work_dir/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work_dir/key.pem" -in "$work_dir/certificate.pem" \
  -passout pass:throwaway -out "$work_dir/signer.p12"
export QUILLMARK_SIGN_PKCS12="$work_dir/signer.p12" QUILLMARK_SIGN_PASSWORD=throwaway
cp -r "$files" "$work_dir/files"
$sign "$work_dir/files/quillmark.exe"
"$makensis" -V1 -DVERSION=4.0.1 -DFILES="$work_dir/files" -DICON="$icon" \
  -DOUTFILE="$work_dir/setup.exe" "-DSIGN=$sign" "$script" || fail "makensis"

# Signed by the throwaway certificate, and whole.
verify() {
  osslsigncode verify -CAfile "$work_dir/certificate.pem" -in "$1" >"$work_dir/verify.log" 2>&1 ||
    fail "$2: $(cat "$work_dir/verify.log")"
  grep -q "CN=$signer" "$work_dir/verify.log" || fail "$2 is not signed by $signer"
}
verify "$work_dir/files/quillmark.exe" quillmark.exe
verify "$work_dir/setup.exe" setup.exe
echo "1. quillmark.exe and setup.exe signed by CN=$signer (osslsigncode verify)"

start_x_server 1280x1024x24
source "$(dirname "$0")/wine_prefix.sh"
use_wine_prefix "$build_dir" signing zh_CN.UTF-8
trap 'wineserver -k 2>/dev/null || true; cleanup' EXIT
rm -rf "$WINEPREFIX/drive_c/Signed"
# Wine's processes write to logs of their own, never to the test's output,
# which its runner waits on until every holder has closed it.
wine "$work_dir/setup.exe" /S '/D=C:\Signed' >"$work_dir/setup.log" 2>&1
wineserver -w
verify "$WINEPREFIX/drive_c/Signed/uninstall.exe" uninstall.exe
echo "2. the uninstaller that the signed setup program wrote is signed too"

wine 'C:\Signed\quillmark.exe' >"$work_dir/quillmark.log" 2>&1 &
app_pid=$!
window_id=$(timeout 60 xdotool search --sync --name '^Velmora - Quillmark v4\.0$' | head -n 1)
[ -n "$window_id" ] || fail "the signed program did not start"
# Wine maps the window before it takes keys, the first time in a new prefix
# by some seconds: Esc again until the program has seen one.
for _ in 1 2 3 4 5; do
  sleep 1
  xdotool mousemove --window "$window_id" 300 100 click 1
  sleep 0.3
  xdotool key Escape
  for _ in $(seq 40); do
    if ! kill -0 "$app_pid" 2>/dev/null; then break 2; fi
    sleep 0.05
  done
done
wait_for_exit 10
[ "$exit_code" = 0 ] || fail "the signed program ended with $exit_code"
wine 'C:\Signed\uninstall.exe' /S >>"$work_dir/setup.log" 2>&1
wineserver -w
echo "3. the signed program runs under Wine and ends with exit code 0"
