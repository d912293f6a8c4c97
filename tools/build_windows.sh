#!/usr/bin/env bash
# Cross-builds the Windows edition with MinGW-w64 into build-windows/build and
# leaves build-windows/quillmark.exe and build-windows/quillmark-4.0.1-win64.zip;
# the suites that the test command runs under Wine are built beside them.
# Scintilla and libpng come from Debian's scite and libpng1.6 source packages,
# unpacked into build-windows/third_party (never committed); zlib from
# libz-mingw-w64-dev.
# Usage: tools/build_windows.sh [extra CMake options]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
libpng=$(bash tools/fetch_debian_source.sh libpng1.6 build-windows/third_party)
scite=$(bash tools/fetch_debian_source.sh scite build-windows/third_party)
cmake -S . -B build-windows/build -DCMAKE_TOOLCHAIN_FILE=tools/mingw-w64-toolchain.cmake \
  -DCMAKE_BUILD_TYPE=Release -DQUILLMARK_LIBPNG_SOURCE="$libpng" \
  -DQUILLMARK_SCINTILLA_SOURCE="$scite/scintilla" -DQUILLMARK_WINDOWS_OUTPUT="$PWD/build-windows" \
  -DQUILLMARK_BUILD_BENCHMARKS=OFF -DQUILLMARK_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
cmake --build build-windows/build -j "$(nproc)"
