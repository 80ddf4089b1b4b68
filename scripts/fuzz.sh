#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ (or $KORIV_FUZZ_BUILD_DIR) and runs
# each for SECONDS (default 60) on its seed corpus. Fails when a fuzzer finds a crash, a hang
# or a sanitizer report; the reproducer is left in the build folder.
#   scripts/fuzz.sh [SECONDS] [FUZZER...]     e.g. scripts/fuzz.sh 300 nmea
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
fuzzers=("$@")
((${#fuzzers[@]})) || fuzzers=(nmea avi_track avi_check mov_check movie_trim http_answer)
build=${KORIV_FUZZ_BUILD_DIR:-build-fuzz}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKORIV_FUZZ=ON -DKORIV_SANITIZE=ON \
  -DKORIV_WITH_GUI=OFF -DKORIV_WITH_BENCH=OFF >/dev/null
cmake --build "$build" --target koriv-fuzz-seeds "${fuzzers[@]/#/fuzz_}"
"$build/fuzz/koriv-fuzz-seeds" "$build/fuzz/seeds"

status=0
for name in "${fuzzers[@]}"; do
  corpus="$build/fuzz/corpus/$name"
  artifacts="$build/fuzz/artifacts/$name/"
  mkdir -p "$corpus" "$artifacts"
  log="$build/fuzz/$name.log"
  if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" "$build/fuzz/seeds/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $name: ${runs:-?} executions in ${seconds} s, nothing found (corpus $(ls "$corpus" | wc -l) inputs)"
  else
    echo "fuzz $name: FAILED, see $log and $artifacts"
    tail -n 40 "$log"
    status=1
  fi
done
exit $status
