#!/usr/bin/env bash
# Makes the Debian package of the Linux edition from an optimised build:
# build-release/quillmark_4.0.1_amd64.deb (or in the build folder given).
# The dates in it are the commit's, and no build path goes into the program,
# so that the same commit gives the same package wherever it is built.
# Usage: tools/package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
build_dir=${1:-build-release}
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 0)
# Qt's resource compiler writes the pictures' dates unless told this one.
QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  mkdir -p "$build_dir"
  binary_dir=$(cd "$build_dir" && pwd)
  cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$PWD=. -ffile-prefix-map=$binary_dir=." >/dev/null
fi
cmake --build "$build_dir" --target quillmark -j "$(nproc)"
(cd "$build_dir" && cpack -G DEB >/dev/null)
ls "$build_dir"/quillmark_*_amd64.deb
