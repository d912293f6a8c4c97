#!/usr/bin/env bash
# Sets everything up, builds, and starts Quillmark on the user's display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quillmark -j "$(nproc)"
exec build/quillmark
