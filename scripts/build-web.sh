#!/usr/bin/env bash
# Builds the web page: the core compiled to WebAssembly with Emscripten, then
# the page's files, its texts (from resources/i18n) and its service worker
# list into build-web/dist/, which it prints last.
# Extra arguments go to cmake's configure step of the module.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh emscripten nodejs
# Debian's Emscripten finds its JavaScript modules there, whatever node runs it.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
build_dir="${WEB_BUILD_DIR:-build-web}"
emcmake cmake -S . -B "$build_dir/core" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DORIN_WITH_QT=OFF -DORIN_BUILD_TESTS=OFF -DORIN_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build "$build_dir/core" --target orinweb
node web/tools/build-dist.mjs "$build_dir/core/bin" "$build_dir/dist"
echo "$(pwd)/$build_dir/dist"
