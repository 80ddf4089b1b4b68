#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test. The full test
# run comes last, so its summary closes the output.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DKORIV_WERROR=ON

# The core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
KORIV_BUILD_DIR=build-asan scripts/build.sh -DKORIV_SANITIZE=ON -DKORIV_WITH_GUI=OFF -DKORIV_WITH_BENCH=OFF
ctest --test-dir build-asan -L core --output-on-failure -j2 --timeout 300

# Fuzz smoke: every fuzzer for 20 seconds on its seed corpus.
scripts/fuzz.sh 20

ctest --test-dir build --output-on-failure -j2 --timeout 300
