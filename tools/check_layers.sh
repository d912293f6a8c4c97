#!/usr/bin/env bash
# The core includes no toolkit: only the Qt front end (qt/), its tests and
# benchmarks (tests/qt/, bench/qt/) and the artwork tool that paints with Qt
# (tools/emoji_pictures/) may include a Qt or QScintilla header, and the core's
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
if ldd "$build_dir/tests/core/core_tests" | grep -iE 'libQt|qscintilla'; then
  echo "the core's tests load a Qt library" >&2
  exit 1
fi
echo "layers: no toolkit header outside the Qt front end; the core loads no Qt library"
