#!/usr/bin/env bash
# The web page's tests: the core's WebAssembly module under Node, then the
# page end to end in headless Chromium against `orinctl simulate` (from the
# native build in ${BUILD_DIR:-build}, which scripts/test.sh has just made).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v node >/dev/null || scripts/deps.sh nodejs
command -v npm >/dev/null || scripts/deps.sh npm
scripts/deps.sh chromium
dist="$(scripts/build-web.sh | tail -n 1)"
(cd web && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
export ORIN_WEB_DIST="$dist"
export ORINCTL="$(pwd)/${BUILD_DIR:-build}/bin/orinctl"
node --test web/tests/core.test.mjs web/tests/page.test.mjs web/tests/features.test.mjs web/tests/link.test.mjs web/tests/features.core.test.mjs
