#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a fixed number of inputs.
# Any crash or sanitizer report fails. Usage: scripts/fuzz.sh [build-folder] [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-fuzz}
runs=${2:-200000}
"$here/scripts/install-deps.sh"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja \
    -DQUILLON_FUZZ=ON -DQUILLON_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target fuzz_all
shopt -s nullglob
for fuzzer in "$build"/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    corpus=$(mktemp -d)
    echo "== $(basename "$fuzzer"): $runs inputs"
    ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1 \
        "$fuzzer" -runs="$runs" -max_total_time=60 -seed=1 "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
done
