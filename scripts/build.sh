#!/usr/bin/env bash
# scripts/build.sh [BUILD_DIR] [CMAKE_OPTIONS...]: configures (once) and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja "$@"
fi
cmake --build "$dir"
