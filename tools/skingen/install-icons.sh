#!/usr/bin/env bash
# Installs the Tabler icon set from npm into the folder given (the build tree), once per
# version. The version is pinned so the skins come out the same on every machine.
set -euo pipefail
prefix=$1
version=3.51.0
stamp="$prefix/.tabler-icons-$version"
[ -f "$stamp" ] && exit 0
mkdir -p "$prefix"
npm install --prefix "$prefix" --no-save --no-audit --no-fund --loglevel=error "@tabler/icons@$version"
touch "$stamp"
