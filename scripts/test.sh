#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice, a plain build and one with
# AddressSanitizer and UndefinedBehaviorSanitizer, runs each fuzz target briefly, and builds
# the core for the browser and runs its tests under Node.
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

# Each fuzz target for a fixed number of runs from a fixed seed over its checked-in corpus
# (about 30 s in all), so that an input that once crashed cannot come back unnoticed.
run_fuzz() {
    local dir="$top/build/fuzz"
    echo "=== fuzz build ==="
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEMORA_WERROR=ON \
        -DCMAKE_CXX_COMPILER=clang++ -DKEMORA_FUZZ=ON
    cmake --build "$dir" -j "$jobs" --target settings_fuzz scenario_fuzz numbers_fuzz
    # New inputs go to a scratch folder, not into the corpus; the settings target saves files,
    # which is quickest in memory.
    local scratch files=/dev/shm
    scratch=$(mktemp -d)
    [[ -d $files && -w $files ]] || files=${TMPDIR:-/tmp}
    local target name runs
    for target in settings:12000 scenario:30000 numbers:300000; do
        name=${target%%:*}
        runs=${target##*:}
        mkdir "$scratch/$name"
        if ! TMPDIR=$files "$dir/fuzz/${name}_fuzz" -seed=1 -runs="$runs" \
            -artifact_prefix="$dir/" "$scratch/$name" "$top/fuzz/corpus/$name" \
            >"$dir/$name.log" 2>&1; then
            tail -n 60 "$dir/$name.log"
            rm -rf "$scratch"
            echo "Fuzz target ${name}_fuzz failed; the input is in $dir/." >&2
            return 1
        fi
        echo "${name}_fuzz: $(grep -E '^Done' "$dir/$name.log")"
    done
    rm -rf "$scratch"
}

# The core built with emscripten, its tests under Node; then one lesson played by both
# builds, whose digests must be equal.
run_web() {
    echo "=== browser build ==="
    "$top/scripts/web.sh" --test
    echo "=== one lesson, two builds ==="
    local scratch
    scratch=$(mktemp -d)
    local lesson=("$top/tests/lesson/lesson.ini" "$top/tests/lesson/lesson.so2")
    "$top/build/test-plain/tests/lesson/lesson" "${lesson[@]}" >"$scratch/native.txt"
    node "$top/build/wasm/tests/lesson/lesson.js" "${lesson[@]}" >"$scratch/browser.txt"
    if ! diff "$scratch/native.txt" "$scratch/browser.txt"; then
        rm -rf "$scratch"
        echo "The two builds played the lesson differently; add --trace to both to see where." >&2
        return 1
    fi
    echo "Both builds: $(tail -n 1 "$scratch/native.txt")"
    rm -rf "$scratch"
}

# The browser edition's page (built by scripts/web.sh), tested in Chromium, Firefox ESR and
# WebKit against the pictures of the plain build's desktop tool.
run_browser() {
    echo "=== browser edition ==="
    KEMORA_DESKTOP_SCENARIO="$top/build/test-plain/tests/web/desktop_scenario" \
        "$top/web/test.sh" "$top/build/web/kemora.html" "$top/build/test-plain/tests/web/desktop_pictures"
}

run_suite plain RelWithDebInfo
run_suite sanitize Debug
run_fuzz
run_web
run_browser
echo "All tests passed in the three builds and the three browsers, and every fuzz target ran clean."
