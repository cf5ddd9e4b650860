#!/bin/sh
# Installs what is missing, builds Hushmere and starts it.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh hushmere
exec ./build/app/hushmere
