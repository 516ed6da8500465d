#!/usr/bin/env bash
# Installs what building and running need, builds Kemora and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" run
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEMORA_BUILD_TESTS=OFF
cmake --build "$top/build/release" --target kemora -j "$(nproc)"
exec "$top/build/release/kemora"
