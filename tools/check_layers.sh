#!/usr/bin/env bash
# The core includes no toolkit: only the Qt front end (qt/), its tests and
# benchmarks (tests/qt/, bench/qt/) and the artwork tool that paints with Qt
# (tools/emoji_pictures/) may include a Qt or QScintilla header; only the
# Windows front end (win32/), the Windows text services (text/win32/) and the
# Windows tests and benchmarks may include a Windows header; and the core's
# test program, built from the core alone, loads no Qt library.
# Usage: tools/check_layers.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
toolkit_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]*|Qsci/[^>"]*|qt[a-z]*/[^>"]*)[>"]'
mapfile -t offenders < <(git ls-files -- '*.cpp' '*.h' |
  grep -vE '^(qt|tests/qt|bench/qt|tools/emoji_pictures)/' |
  xargs grep -lE "$toolkit_include" || true)
if [ ${#offenders[@]} -ne 0 ]; then
  echo "Qt or QScintilla included outside the Qt front end:" >&2
  for file in "${offenders[@]}"; do grep -nHE "$toolkit_include" "$file" >&2; done
  exit 1
fi
windows_include='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(windows|winuser|shlobj|shellapi|shlwapi|commctrl|ole2|oleauto|objbase|imm|windowsx)\.h>'
mapfile -t offenders < <(git ls-files -- '*.cpp' '*.h' |
  grep -vE '^(win32|text/win32|tests/windows|bench/win32|tools/code_page_table)/' |
  xargs grep -liE "$windows_include" || true)
if [ ${#offenders[@]} -ne 0 ]; then
  echo "Windows headers included outside the Windows front end and text services:" >&2
  for file in "${offenders[@]}"; do grep -nHiE "$windows_include" "$file" >&2; done
  exit 1
fi
if ldd "$build_dir/tests/core/core_tests" | grep -iE 'libQt|qscintilla'; then
  echo "the core's tests load a Qt library" >&2
  exit 1
fi
echo "layers: no Qt header outside the Qt front end, no Windows header outside the Windows"\
  "front end and text services; the core loads no Qt library"
