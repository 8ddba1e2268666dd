#!/bin/sh
# Link benchmark against torval-station on a pseudo-terminal.
# Usage: bench/link/run.sh [BUILD_DIR] [--repeat N]
# Builds a Release tree with the benchmarks when BUILD_DIR is not given.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/bench}
[ $# -gt 0 ] && shift
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVAL_BUILD_BENCH=ON -DTORVAL_BUILD_TESTS=OFF
fi
cmake --build "$build" --target bench_link torval-station
exec "$build/bench/bench_link" --station "$build/app/torval-station" "$@"
