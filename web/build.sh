#!/usr/bin/env bash
# Builds the browser edition's page, one self-contained file, from web/ and the core's module
# that scripts/web.sh has built. The tools come from the npm registry as package-lock.json pins
# them; no browser is downloaded.
# Usage: web/build.sh CORE_JS [OUT_HTML]   (OUT_HTML: build/web/kemora.html)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/.." && pwd)
if [[ $# -lt 1 ]]; then
    echo "usage: $0 CORE_JS [OUT_HTML]" >&2
    exit 2
fi
core=$(realpath "$1")
out=$(realpath -m "${2:-$top/build/web/kemora.html}")
# Debian's nodejs comes without npm; another nodejs may bring its own.
command -v npm >/dev/null || "$top/scripts/install-deps.sh" npm
cd "$here"
if ! npm ls --silent >/dev/null 2>&1; then
    PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund
fi
npx tsc --noEmit -p .
node build.mjs --core "$core" --out "$out"
