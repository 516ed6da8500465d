#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a plain build and
# one with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" run test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

run_suite() {
    local name=$1 type=$2
    local dir="$top/build/test-$name"
    echo "=== $name build ==="
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DKEMORA_WERROR=ON \
        -DKEMORA_SANITIZE="$([[ $name == sanitize ]] && echo ON || echo OFF)"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_suite plain RelWithDebInfo
run_suite sanitize Debug
echo "All tests passed in both builds."
