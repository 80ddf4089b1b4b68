#!/usr/bin/env bash
# Playback figures of the application against gst-play-1.0 (see bench/playback_bench.cpp); run
# it under a display, for example: xvfb-run -a -s "-screen 0 1280x800x24" bench/playback.sh [RECORDING]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KORIV_BUILD_DIR:-build}
exec "$build/bench/playback_bench" "$build/src/gui/korivmanager" "$@"
