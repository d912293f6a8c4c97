#!/usr/bin/env bash
# The core includes no toolkit: only the Qt front end (qt/), its tests and
# benchmarks (tests/qt/, bench/qt/) and the artwork tool that paints with Qt
# (tools/emoji_pictures/) may include a Qt or QScintilla header; only the
# Windows front end (win32/), the Windows text and file services (text/win32/,
# actions/win32/) and the Windows tests and benchmarks may include a Windows
# header; and the core's test program, built from the core alone, loads no Qt
# library.
# Usage: tools/check_layers.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
# Fails when a tracked source outside the allowed folders includes a header
# that the pattern names (Windows' header names in any case, as its file
# systems take them).
forbid_includes() {
  local pattern=$1 allowed=$2 what=$3 case=${4:-} offenders
  mapfile -t offenders < <(git ls-files -- '*.cpp' '*.h' | grep -vE "^($allowed)/" |
    xargs grep -l $case -E "$pattern" || true)
  if [ ${#offenders[@]} -ne 0 ]; then
    echo "$what:" >&2
    for file in "${offenders[@]}"; do grep -nH $case -E "$pattern" "$file" >&2; done
    exit 1
  fi
}
include='^[[:space:]]*#[[:space:]]*include[[:space:]]*'
forbid_includes "$include"'[<"](Q[A-Za-z]*|Qsci/[^>"]*|qt[a-z]*/[^>"]*)[>"]' \
  'qt|tests/qt|bench/qt|tools/emoji_pictures' "Qt or QScintilla included outside the Qt front end"
forbid_includes "$include"'<(windows|winuser|shlobj|shellapi|shlwapi|commctrl|ole2|oleauto|objbase|imm|windowsx)\.h>' \
  'win32|text/win32|actions/win32|tests/windows|bench/win32|tools/code_page_table' \
  "Windows headers included outside the Windows front end and text services" -i
# The core's own folders stand in layers, each including only its own and
# those below it: text/ and controls/ at the bottom, then editor/, then
# emoji/ and actions/, then window/, which wires them together.
declare -A below=([text]="text" [controls]="controls" [editor]="editor text"
  [emoji]="emoji text controls editor" [actions]="actions text controls editor"
  [window]="window text controls editor emoji actions")
for folder in "${!below[@]}"; do
  allowed=$(tr ' ' '|' <<<"${below[$folder]}")
  upward=$(git ls-files -- "$folder/*.cpp" "$folder/*.h" | xargs grep -nHE "$include\"[a-z_]+/" |
    grep -vE ":[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*\"($allowed)/" || true)
  if [ -n "$upward" ]; then
    echo "$folder/ includes a layer above it:" >&2
    echo "$upward" >&2
    exit 1
  fi
done
if ldd "$build_dir/tests/core/core_tests" | grep -iE 'libQt|qscintilla'; then
  echo "the core's tests load a Qt library" >&2
  exit 1
fi
echo "layers: the core's folders include only their own layer and those below; no Qt header"\
  "outside the Qt front end, no Windows header outside the Windows front end and services;"\
  "the core loads no Qt library"
