#!/usr/bin/env bash
# Signs a Windows program in place with osslsigncode (SHA-256) when
# QUILLMARK_SIGN_PKCS12 (a PKCS#12 file) and QUILLMARK_SIGN_PASSWORD are set,
# with a timestamp from QUILLMARK_SIGN_TIMESTAMP_URL only where one is named;
# does nothing otherwise.
# Usage: tools/sign_windows.sh FILE
set -euo pipefail
file=$1
if [ -z "${QUILLMARK_SIGN_PKCS12:-}" ] || [ -z "${QUILLMARK_SIGN_PASSWORD:-}" ]; then exit 0; fi
timestamp=()
if [ -n "${QUILLMARK_SIGN_TIMESTAMP_URL:-}" ]; then timestamp=(-ts "$QUILLMARK_SIGN_TIMESTAMP_URL"); fi
signed="$file.signed"
osslsigncode sign -pkcs12 "$QUILLMARK_SIGN_PKCS12" -readpass <(printf '%s' "$QUILLMARK_SIGN_PASSWORD") \
  -h sha256 -n Quillmark "${timestamp[@]}" -in "$file" -out "$signed" >/dev/null
mv "$signed" "$file"
