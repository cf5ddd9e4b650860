#!/bin/sh
# Builds the sound loader's fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in ./build-fuzz, seeds its corpus with small
# sounds made by our own code, and runs it for the given number of seconds
# (default 60). A crash leaves its input in build-fuzz/fuzz-artifacts/.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

if [ ! -f "$build/CMakeCache.txt" ]; then
    generator=""
    if command -v ninja >/dev/null 2>&1; then
        generator="-G Ninja"
    fi
    # shellcheck disable=SC2086
    CC=clang CXX=clang++ cmake -S . -B "$build" $generator \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHUSHMERE_FUZZ=ON -DHUSHMERE_BENCHMARKS=OFF
fi
cmake --build "$build" --target load_slot_fuzzer load_slot_seeds

corpus="$build/fuzz-corpus/load_slot"
artifacts="$build/fuzz-artifacts"
mkdir -p "$corpus" "$artifacts"
"$build/tests/fuzz/load_slot_seeds" "$corpus"

"$build/tests/fuzz/load_slot_fuzzer" \
    -max_total_time="$seconds" \
    -max_len=16384 \
    -timeout=10 \
    -dict=tests/fuzz/load_slot.dict \
    -artifact_prefix="$artifacts/" \
    -print_final_stats=1 \
    "$corpus"
