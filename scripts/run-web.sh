#!/usr/bin/env bash
# Builds the web page and serves it on 127.0.0.1 (port $PORT, 8640 unless
# set); prints the address to open in Chrome, Edge or Opera.
set -euo pipefail
cd "$(dirname "$0")/.."
dist="$(scripts/build-web.sh | tail -n 1)"
exec node web/tools/serve.mjs "$dist" "${PORT:-8640}"
