#!/usr/bin/env bash
# Builds the fuzz targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs each for the given time. New inputs go to build-fuzz/corpus, not to the committed seeds.
# Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[[ ${#targets[@]} -eq 0 ]] && targets=(number section bending buckling)

scripts/setup.sh fuzz
build=build-fuzz
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fsanitize=fuzzer-no-link"
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZOLK_FUZZ=ON -DZOLK_BUILD_WINDOW=OFF -DZOLK_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$sanitize" >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/%/_fuzzer}"

for t in "${targets[@]}"; do
    mkdir -p "$build/corpus/$t" "$build/findings/$t"
    echo "== $t: $seconds s"
    "$build/fuzz/${t}_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$build/findings/$t/" "$build/corpus/$t" "fuzz/corpus/$t" 2>&1 |
        grep -E '^(stat::number_of_executed_units|stat::peak_rss|==[0-9]+==ERROR|SUMMARY|check failed)' || true
done
