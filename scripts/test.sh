#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in the normal
# build and once in the address+undefined sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j2 --timeout 600

bash scripts/build.sh build-asan -DKS_SANITIZE=ON -DKS_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-asan --output-on-failure -j2 --timeout 900
