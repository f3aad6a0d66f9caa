#!/usr/bin/env bash
# Installs what is missing, builds the utility and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DVARIMONDE_BUILD_TESTS=OFF -DVARIMONDE_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-release" --target varimonde-setup
exec "$root/build-release/src/varimonde-setup" "$@"
