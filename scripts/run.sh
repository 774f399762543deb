#!/usr/bin/env bash
# Installs what is missing, builds TVK and starts it (under a virtual display when there is none).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DTVK_BUILD_BENCHMARKS=OFF
cmake --build build/release -j"$(nproc)" --target tvk

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/release/tvk "$@"
fi
exec build/release/tvk "$@"
