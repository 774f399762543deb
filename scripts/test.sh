#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: the Release build that
# scripts/run.sh starts and the benchmarks measure, with warnings as errors, and an
# AddressSanitizer + UndefinedBehaviorSanitizer build. Window tests run on Qt's offscreen
# platform, so no display is needed; the one that needs a window manager starts its own virtual
# display with openbox.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-layout.sh
jobs="$(nproc)"

run_suite() {
  local dir="$1"
  shift
  cmake -S . -B "$dir" -DTVK_WARNINGS_AS_ERRORS=ON "$@"
  cmake --build "$dir" -j"$jobs"
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 120
}

run_suite build/test -DCMAKE_BUILD_TYPE=Release
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTVK_SANITIZE=ON -DTVK_BUILD_BENCHMARKS=OFF
