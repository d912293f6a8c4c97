#!/usr/bin/env bash
# Runs a Windows test program under Wine in a prefix of the build's own, one
# per language so that the languages can run side by side, with the user's
# language as given. The prefix's wineserver is ended afterwards, and nothing
# else.
# Usage: run_under_wine.sh BUILD_DIR LANG PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/wine_prefix.sh"
use_wine_prefix "$1" "$2" "$2"
shift 2
trap 'wineserver -k 2>/dev/null || true' EXIT
wine "$@"
