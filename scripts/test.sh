#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
#   scripts/test.sh              the normal debug build (build-tests)
#   scripts/test.sh --sanitize   the same tests under AddressSanitizer and
#                                UndefinedBehaviorSanitizer (build-sanitize)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh" --tests
preset=debug
if [[ "${1:-}" == "--sanitize" ]]; then
    preset=sanitize
    # Qt and fontconfig keep caches for the life of the process: report
    # memory errors and undefined behaviour, not those.
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
export CCACHE_BASEDIR="$root"
cd "$root"
cmake --preset "$preset" >/dev/null
build="$(sed -n 's/^CMAKE_CACHEFILE_DIR:INTERNAL=//p' "build-${preset/debug/tests}/CMakeCache.txt")"
cmake --build "$build"
cd "$build"
ctest --output-on-failure --timeout 300
