#!/usr/bin/env bash
# Makes the Debian package of the Linux edition from an optimised build:
# build-release/quillmark_4.0.1_amd64.deb (or in the build folder given).
# Usage: tools/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
build_dir=${1:-build-release}
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build_dir" --target quillmark -j "$(nproc)"
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$build_dir"/quillmark_*_amd64.deb
