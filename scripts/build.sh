#!/usr/bin/env bash
# Configures and builds into build/ (or $KORIV_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KORIV_BUILD_DIR:-build}
# Let clones in other folders (CI) share the compiler cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake -S . -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
