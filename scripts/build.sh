#!/bin/sh
# Configures and builds Hushmere in ./build (targets given as arguments, or all).
set -eu
cd "$(dirname "$0")/.."
generator=""
if command -v ninja >/dev/null 2>&1; then
    generator="-G Ninja"
fi
if [ ! -f build/CMakeCache.txt ]; then
    # shellcheck disable=SC2086
    cmake -S . -B build $generator -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if [ "$#" -eq 0 ]; then
    cmake --build build
else
    for target in "$@"; do
        cmake --build build --target "$target"
    done
fi
