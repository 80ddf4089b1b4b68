#!/usr/bin/env bash
# Installs Leaflet from npm into the folder given (the build tree), once per version. The
# version is pinned so the map page behaves the same on every machine; the page is bundled
# with it and never loads a script from the network.
set -euo pipefail
prefix=$1
version=$2
stamp="$prefix/.leaflet-$version"
[ -f "$stamp" ] && exit 0
mkdir -p "$prefix"
npm install --prefix "$prefix" --no-save --no-audit --no-fund --loglevel=error "leaflet@$version"
touch "$stamp"
