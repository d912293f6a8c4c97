#!/usr/bin/env bash
# Runs a Windows test program under Wine in a prefix of the build's own, one
# per language so that the languages can run side by side, with the user's
# language as given (zh_CN.UTF-8: ANSI code page 936). The locale is
# made in the build folder, so that Wine can name files in Chinese on a machine
# that has not generated it; the machine's locales stay as they are. The
# prefix's wineserver is ended afterwards, and nothing else.
# Usage: run_under_wine.sh BUILD_DIR LANG PROGRAM [ARGS...]
set -euo pipefail
build_dir=$1
language=$2
shift 2
export WINEPREFIX="$build_dir/wine-prefix-$language" WINEDEBUG=-all LOCPATH="$build_dir/locales"
mkdir -p "$LOCPATH"
locale_name=${language%%.*}
if [ ! -d "$LOCPATH/$language" ]; then
  localedef -i "$locale_name" -f UTF-8 "$LOCPATH/$language"
fi
trap 'wineserver -k 2>/dev/null || true' EXIT
LANG="$language" LC_ALL="$language" wine "$@"
