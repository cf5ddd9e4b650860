#!/bin/sh
# Installs what is missing, builds everything and runs every test: the unit
# and window tests, the end-to-end tests on the real binary, and the fuzzer
# for a bounded time.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
ctest --test-dir build --output-on-failure
# The sound loader under AddressSanitizer, for a bounded minute.
./scripts/fuzz.sh 60
