#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors, lints, and runs the whole
# suite: the Windows edition cross-built with its suites and sessions run
# under Wine, beside them the unit and GUI suites built with AddressSanitizer
# and UndefinedBehaviorSanitizer and each libFuzzer target for 12 seconds,
# then the Linux edition through CTest: unit and GUI tests headless (offscreen
# Qt), desktop-service and end-to-end tests under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each step says when it starts, so that a slow one shows in the log.
step() { echo "== $1 (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }
step "packages"
bash tools/setup.sh
jobs=$(nproc)

step "build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build -j "$jobs"
# The Windows edition cross-built, then the suites of both editions in the
# background, the Windows ones under Wine first: they spend most of their
# time waiting on the programs they drive, so the steps that keep both cores
# busy (lint, the sanitized suites, the fuzzers) run beside them at the lowest
# priority, and the sessions get the processor whenever they ask for it. The
# input-method sessions of both editions run afterwards, alone.
step "Windows build"
bash tools/build_windows.sh
step "suites of both editions, beside lint, the sanitized suites and the fuzzers"
windows_log=$PWD/build-windows/ctest.log
linux_log=$PWD/build/ctest.log
# In a session of their own, so that a failing step here ends them whole.
setsid bash -c 'result=0
  (cd build-windows/build && ctest --output-on-failure -j "$1" -E input_method) >"$2" 2>&1 ||
    result=1
  (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$1" -E input_method) \
    >"$3" 2>&1 || result=1
  exit "$result"' _ "$jobs" "$windows_log" "$linux_log" &
suites=$!
trap 'kill -- "-$suites" 2>/dev/null || true' EXIT
renice -n 19 $$ >/dev/null

step "lint"
bash tools/lint.sh build
bash tools/check_layers.sh build
step "sanitized suites"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_SANITIZE=ON \
  -DQUILLMARK_BUILD_BENCHMARKS=OFF -DQUILLMARK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build build-sanitize --target core_tests gui_tests -j "$jobs"
(
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer_suppressions.txt
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The two suites side by side, each on a core of its own.
  build-sanitize/tests/core/core_tests --gtest_brief=1 >build-sanitize/core_tests.log 2>&1 &
  core_suite=$!
  QT_QPA_PLATFORM=offscreen build-sanitize/tests/gui_tests --gtest_brief=1 \
    >build-sanitize/gui_tests.log 2>&1 || { cat build-sanitize/gui_tests.log; exit 1; }
  wait "$core_suite" || { cat build-sanitize/core_tests.log; exit 1; }
  tail -n 1 build-sanitize/core_tests.log build-sanitize/gui_tests.log
)
step "fuzzers"
bash tools/fuzz.sh 12

step "waiting for the suites"
suites_result=0
wait "$suites" || suites_result=$?
trap - EXIT
cat "$windows_log" "$linux_log"
[ "$suites_result" = 0 ] || exit "$suites_result"
# The input method's timing under load is not what a user meets: its
# sessions run once nothing else does.
step "input-method sessions"
(cd build-windows/build && ctest --output-on-failure -R input_method)
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R input_method
step "done"
