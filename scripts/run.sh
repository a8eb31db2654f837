#!/usr/bin/env bash
# Installs what is missing, builds, and starts the launcher on its embedded
# default (a SQLite demo suite); extra arguments go to korvanestart.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
exec build/src/app/korvanestart "$@"
