#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a fixed time
# (default 20 seconds) over its seed corpus in fuzz/corpus.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
"$root/scripts/install-deps.sh" --fuzz
export CCACHE_BASEDIR="$root"
cd "$root"
cmake --preset fuzz >/dev/null
cmake --build build-fuzz
for target in build-fuzz/fuzz/fuzz_*; do
    [[ -x "$target" && -f "$target" ]] || continue
    name="$(basename "$target")"
    corpus="fuzz/corpus/${name#fuzz_}"
    scratch="$(mktemp -d)"
    echo "== $name for ${seconds}s"
    "$target" -max_total_time="$seconds" -print_final_stats=1 "$scratch" "$corpus" 2>&1 |
        grep -E "^(stat::number_of_executed_units|Done|==[0-9]+==ERROR|SUMMARY)" || true
    status=${PIPESTATUS[0]}
    rm -rf "$scratch"
    [[ $status -eq 0 ]] || { echo "$name found a failure"; exit 1; }
done
