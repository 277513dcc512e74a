#!/usr/bin/env bash
# Builds the program and starts it. Arguments go to the program (for example
# a channel file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}" scripts/build.sh -DORIN_BUILD_TESTS=OFF
exec "${BUILD_DIR:-build}/bin/orinprog" "$@"
