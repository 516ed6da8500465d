#!/usr/bin/env bash
# Installs what is missing, builds Kemora and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$top/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEMORA_BUILD_TESTS=OFF
cmake --build "$top/build/release" --target kemora
exec "$top/build/release/kemora"
