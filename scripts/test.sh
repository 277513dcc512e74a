#!/usr/bin/env bash
# Builds everything and runs every test (unit, GUI on the offscreen platform,
# end-to-end against the simulated radio), then the web page's (scripts/test-web.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh "$@"
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
# The web page (web/): its module under Node and the page in Chromium. CI runs
# them once, in its first pass (ORIN_SKIP_WEB_TESTS=1 in the others).
if [ "${ORIN_SKIP_WEB_TESTS:-0}" != 1 ]; then
    scripts/test-web.sh
fi
