#!/usr/bin/env bash
# Builds the core for the browser with Debian's emscripten into build/wasm (release): the
# JavaScript face in src/web, the lesson program and the core's tests, then the browser
# edition's page (web/build.sh). Installs what is missing.
# Usage: scripts/web.sh [--test]   (--test also runs the core's tests under Node)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" web
dir=${KEMORA_WEB_BUILD:-$top/build/wasm}
mkdir -p "$dir"

# Emscripten's optimizer finds its Node modules here.
export NODE_PATH=/usr/share/nodejs
# Emscripten keeps its system libraries in a cache that it may write to. The system's cache
# (Debian ships it filled) is writable only for root: anyone else gets a cache in the build
# that points at the system's libraries.
system_cache=$(em-config CACHE)
if [[ -z ${EM_CACHE:-} && ! -w $system_cache ]]; then
    export EM_CACHE=$dir/emscripten-cache
    mkdir -p "$EM_CACHE"
    ln -sfn "$system_cache/sysroot" "$EM_CACHE/sysroot"
    cp "$system_cache/sysroot_install.stamp" "$EM_CACHE/"
fi

emcmake cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEMORA_WERROR=ON
cmake --build "$dir" -j "$(nproc)"
# The browser edition's page, one file with the core's module inside: build/web/kemora.html.
"$top/web/build.sh" "$dir/src/web/kemora_core.js" "$top/build/web/kemora.html"
if [[ ${1:-} == --test ]]; then
    ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
fi
