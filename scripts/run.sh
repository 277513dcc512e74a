#!/usr/bin/env bash
# Builds the program and starts it. Arguments go to the program (for example
# a channel file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}" scripts/build.sh -DORIN_BUILD_TESTS=OFF
bin="${BUILD_DIR:-build}/bin"
if [ -x "$bin/orinprog" ]; then
    exec "$bin/orinprog" "$@"
fi
# Until the window exists: show the channels of a new channel file.
tmp=$(mktemp --suffix=.sin)
"$bin/orinctl" new -o "$tmp" && "$bin/orinctl" dump "$tmp"
