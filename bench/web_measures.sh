#!/usr/bin/env bash
# The browser build's measures: the time of a clean build of the wasm core and its tests, the
# size of the core's module (the wasm inside kemora_core.js, and the file itself), and one
# molecule frame's logic natively and under Node (best of five runs each).
# Usage: bench/web_measures.sh   (builds in build/wasm-measure and build/release-measure)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
wasm=$top/build/wasm-measure
native=$top/build/release-measure

rm -rf "$wasm"
start=$(date +%s)
KEMORA_WEB_BUILD=$wasm "$top/scripts/web.sh" >"$top/build/web-measures.log" 2>&1
echo "clean wasm build (core, tests, lesson, face): $(($(date +%s) - start)) s"

module=$wasm/src/web/kemora_core.js
python3 - "$module" <<'PY'
import base64, re, sys
text = open(sys.argv[1]).read()
inlined = re.search(r'data:application/octet-stream;base64,([A-Za-z0-9+/=]+)', text).group(1)
print(f"wasm module: {len(base64.b64decode(inlined)) / 1024:.0f} KB; "
      f"kemora_core.js with it inlined: {len(text) / 1024:.0f} KB")
PY

cmake -S "$top" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$native" --target frame_bench >/dev/null
best() { sort -t: -k2 -n | head -n 1; }
echo "native: $(for _ in 1 2 3 4 5; do "$native/bench/frame_bench"; done | best)"
echo "node:   $(for _ in 1 2 3 4 5; do node "$wasm/bench/frame_bench.js"; done | best)"
