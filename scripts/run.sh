#!/usr/bin/env bash
# Installs what is missing, builds, makes the sample card when it is missing and starts the
# program on it. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
card=${KORIV_SAMPLE_CARD:-sample-card}
[ -d "$card" ] || build/tools/samplecard/koriv-samplecard "$card"
if [ -x build/src/gui/korivmanager ]; then
  exec build/src/gui/korivmanager --folder "$card" "$@"
fi
exec build/src/cli/korivmanager-cli scan "$card" "$@"
