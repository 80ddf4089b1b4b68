#!/usr/bin/env bash
# Start-up figure of the application (see bench/startup_bench.cpp); run it under a display,
# for example: xvfb-run -a -s "-screen 0 1280x800x24" bench/startup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KORIV_BUILD_DIR:-build}
exec "$build/bench/startup_bench" "$build/src/gui/korivmanager" "$@"
