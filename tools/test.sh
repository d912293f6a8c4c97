#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors, lints, and runs the whole
# suite: unit and GUI tests headless (offscreen Qt), end-to-end tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j "$(nproc)"
bash tools/lint.sh build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
