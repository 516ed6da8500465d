#!/usr/bin/env bash
# Regenerates src/model/cp932_mapping.inc, the code page 932 tables of the build without
# iconv, from this machine's iconv (glibc's "CP932"). The output is checked in; the model
# tests of the native build compare the tables with iconv over every code.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -I "$top/src" -o "$scratch/cp932_mapping" "$top/scripts/cp932_mapping.cpp"
"$scratch/cp932_mapping" >"$scratch/cp932_mapping.inc"
mv "$scratch/cp932_mapping.inc" "$top/src/model/cp932_mapping.inc"
