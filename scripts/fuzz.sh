#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (installing clang if missing) and runs each of them
# for RUNS executions (default 10 million), keeping the corpus in build/fuzz/corpus.
#   scripts/fuzz.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
./scripts/setup.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null
for target in Val IsNumeric GeneralNumber TwoByTwo ScrollBarText Launch; do
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "== fuzz_$target, $runs runs"
    build/fuzz/tests/fuzz/fuzz_$target -runs="$runs" -print_final_stats=1 "$corpus" 2>&1 |
        grep -E 'property broken|ERROR|SUMMARY|stat::number_of_executed_units|stat::peak_rss_mb|Done'
done
