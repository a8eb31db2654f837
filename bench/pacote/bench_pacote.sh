#!/usr/bin/env bash
# bench/pacote/bench_pacote.sh [BUILD_DIR] [MB] [ITENS]
# Builds a package of about MB megabytes over ITENS items (generated data, in a
# scratch folder), then times its extraction by the launcher's reader and by
# Info-ZIP `unzip -P` on the same package, alternating, and prints the ratio.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
cmake --build "$build" --target bench_pacote >/dev/null
exec "$build/bench/pacote/bench_pacote" "${2:-300}" "${3:-400}"
