#!/usr/bin/env bash
# Installs what is missing, builds, and starts the launcher; extra arguments
# go to korvanestart ("W" selects the shared-host mode).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
# Without a display (a server, a container) the launcher still serves HTTP.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi
exec build/src/app/korvanestart "$@"
