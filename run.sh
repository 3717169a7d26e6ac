#!/usr/bin/env bash
# Installs what is missing, builds Kinvale (release) and starts it.
#   ./run.sh [kinvale options]      starts the window program
#   ./run.sh --cli ARGS...          runs kinvale-cli ARGS... from the same build
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKINVALE_BENCHMARKS=ON >/dev/null
cmake --build build/release -j"$(nproc)"

if [ "${1:-}" = "--cli" ]; then
  shift
  exec build/release/kinvale-cli "$@"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run Kinvale under a virtual display with: xvfb-run -a build/release/kinvale" >&2
  exit 1
fi
exec build/release/kinvale "$@"
