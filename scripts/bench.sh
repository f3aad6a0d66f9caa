#!/usr/bin/env bash
# Builds an optimised tree and runs every benchmark; each prints its figure
# beside a baseline measured in the same run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
export CCACHE_BASEDIR="$root"
build="$root/build-bench"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARIMONDE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for bench in "$build"/bench/bench_*; do
    [[ -x "$bench" && -f "$bench" ]] || continue
    echo "== $(basename "$bench")"
    "$bench" 2>/dev/null
done
