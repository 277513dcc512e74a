#!/usr/bin/env bash
# Builds everything and runs every test (unit, GUI on the offscreen platform,
# end-to-end against the simulated radio).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh "$@"
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
