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
# Emscripten takes a lock in its cache of system libraries, and writes there what it lacks.
# The system's cache is writable only for root: anyone else works on a copy in the build.
system_cache=$(em-config CACHE)
if [[ -z ${EM_CACHE:-} && ! -w $system_cache ]]; then
    export EM_CACHE=$dir/emscripten-cache
    if [[ ! -f $EM_CACHE/sysroot_install.stamp ]]; then
        rm -rf "$EM_CACHE"
        cp -r "$system_cache" "$EM_CACHE.partial"
        rm -f "$EM_CACHE.partial/cache.lock"
        mv "$EM_CACHE.partial" "$EM_CACHE"
    fi
fi

emcmake cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEMORA_WERROR=ON
cmake --build "$dir" -j "$(nproc)"
# The browser edition's page, one file with the core's module inside: build/web/kemora.html.
"$top/web/build.sh" "$dir/src/web/kemora_core.js" "$top/build/web/kemora.html"
if [[ ${1:-} == --test ]]; then
    ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
fi
