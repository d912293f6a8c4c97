#!/usr/bin/env bash
# Cross-builds the Windows edition with MinGW-w64 into build-windows/build and
# leaves build-windows/quillmark.exe, build-windows/quillmark-4.0.1-win64.zip,
# build-windows/quillmark-4.0.1-win64-setup.exe and their SHA256SUMS; the
# suites that the test command runs under Wine are built beside them. The
# artefacts are the same bytes for the same commit wherever it is built: the
# dates in them are the commit's. With QUILLMARK_SIGN_PKCS12 and
# QUILLMARK_SIGN_PASSWORD set they are signed (tools/sign_windows.sh).
# Scintilla and libpng come from Debian's scite and libpng1.6 source packages,
# unpacked into build-windows/third_party (never committed); zlib from
# libz-mingw-w64-dev.
# Usage: tools/build_windows.sh [extra CMake options]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null || echo 0)
export SOURCE_DATE_EPOCH
if [ -z "${QUILLMARK_SIGN_PKCS12:-}" ] || [ -z "${QUILLMARK_SIGN_PASSWORD:-}" ]; then
  echo "Windows build: not signed (QUILLMARK_SIGN_PKCS12 and QUILLMARK_SIGN_PASSWORD are not set)"
fi
libpng=$(bash tools/fetch_debian_source.sh libpng1.6 build-windows/third_party)
scite=$(bash tools/fetch_debian_source.sh scite build-windows/third_party)
cmake -S . -B build-windows/build -DCMAKE_TOOLCHAIN_FILE=tools/mingw-w64-toolchain.cmake \
  -DCMAKE_BUILD_TYPE=Release -DQUILLMARK_LIBPNG_SOURCE="$libpng" \
  -DQUILLMARK_SCINTILLA_SOURCE="$scite/scintilla" -DQUILLMARK_WINDOWS_OUTPUT="$PWD/build-windows" \
  -DQUILLMARK_BUILD_BENCHMARKS=OFF -DQUILLMARK_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
cmake --build build-windows/build -j "$(nproc)"
