#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time,
# starting from the committed seeds in tests/fuzz/corpus/. No input of at most
# 4 KiB has a reason to ask for more than a few megabytes, so the memory limits
# are low: an allocation that a hostile length asks for fails at once, on the
# same input every time, instead of when the machine happens to run short.
# Usage: tools/fuzz.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
cmake -S . -B build-fuzz -DQUILLMARK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUILLMARK_BUILD_TESTS=OFF -DQUILLMARK_BUILD_BENCHMARKS=OFF \
  >/dev/null
cmake --build build-fuzz -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export seconds
fuzz_target() {
  local target=$1
  # Each run starts from the committed seeds alone, as CI's fresh clone does.
  local found=build-fuzz/corpus-$target log=build-fuzz/$target.log runs
  rm -rf "$found"
  mkdir -p "$found"
  if ! build-fuzz/tests/fuzz/"${target}"_fuzzer -max_total_time="$seconds" -max_len=4096 \
    -malloc_limit_mb=64 -rss_limit_mb=1024 -print_final_stats=1 "$found" \
    "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzzing $target found a failure" >&2
    return 1
  fi
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  echo "fuzz $target: ${runs} executions in ${seconds} s, no failure"
}
export -f fuzz_target
# One target a core at a time; any failure fails the whole.
printf '%s\n' conversion blank_lines date_time export_name png |
  xargs -P "$(nproc)" -I{} bash -c 'fuzz_target "$1"' _ {}
