#!/bin/sh
# Series programming on one cable against four: torval-cli provision with 8
# rows of a 2,048-byte configuration on torval-station processes paced at
# 19,200 baud. Takes a few minutes (the one-cable run is the long one).
# Usage: bench/provision/run.sh [BUILD_DIR] [--rows N] [--ports N] [--baud N]
# Uses the release preset's tree (build/release) when BUILD_DIR is not given.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/release}
[ $# -gt 0 ] && shift
if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset release)
fi
cmake --build "$build" --target bench_provision torval-cli torval-station
exec "$build/bench/bench_provision" --cli "$build/app/torval-cli" --station "$build/app/torval-station" "$@"
