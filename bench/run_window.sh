#!/usr/bin/env bash
# Measures the main window on a virtual X display (Xvfb):
#  1. window_bench: the main window at 300 litres (water, 27 °C, 1 mol: liquid and vapor side
#     by side) for 10 s at the zoom given (100 % unless --zoom): time to the first drawn frame,
#     CPU time, peak resident memory.
#  2. the program itself, copied into a folder of its own with a settings file that holds only
#     the zoom (volume 0, all liquid), for 10 s: CPU time and peak resident memory, from /proc.
# Usage: bench/run_window.sh [BUILD_DIR] [--zoom PERCENT] [--screenshot FILE]
#   BUILD_DIR defaults to build/release, the start command's build, which is made when missing;
#   FILE gets a picture of the window at 300 litres, a PNG that the program itself takes.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build/release"
shot=""
zoom=100
while [[ $# -gt 0 ]]; do
    case $1 in
        --screenshot) shot=$2; shift 2 ;;
        --zoom) zoom=$2; shift 2 ;;
        *) build=$1; shift ;;
    esac
done
# Xvfb comes with the benchmarks' packages.
"$top/scripts/install-deps.sh" run test
if [[ ! -f $build/build.ninja ]]; then
    if [[ $build != "$top/build/release" ]]; then
        echo "$build is no build folder; make one with:" >&2
        echo "cmake -S $top -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release" >&2
        exit 1
    fi
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEMORA_BUILD_TESTS=OFF
fi
cmake --build "$build" --target window_bench kemora -j "$(nproc)"
bench="$build/bench/window_bench"
program="$build/kemora"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# A display number that no other X server holds.
display=90
while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
# Large enough for the window at 250 %.
Xvfb ":$display" -screen 0 2560x1600x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done

echo "== window_bench: main window at 300 L, zoom $zoom %, for 10 s =="
"$bench" 10 "$zoom" ${shot:+--screenshot "$shot"}
if [[ -n $shot ]]; then echo "screenshot of the window: $shot"; fi

echo "== the program at its start-up volume (0 L), zoom $zoom %, for 10 s =="
mkdir "$work/program"
cp "$program" "$work/program/"
printf '[VIEW]\r\nzoom=%s\r\n' "$zoom" >"$work/program/CONFIG2.INI"
(cd "$work/program" && exec ./kemora) >"$work/program.log" 2>&1 &
program_pid=$!
pids+=($program_pid)
sleep 11
read -r -a stat < <(sed 's/^.*) //' "/proc/$program_pid/stat")
ticks=$(getconf CLK_TCK)
# Fields after the command: utime is the 12th, stime the 13th, starttime the 20th.
cpu=$(( stat[11] + stat[12] ))
uptime=$(cut -d' ' -f1 /proc/uptime)
awk -v cpu="$cpu" -v hz="$ticks" -v start="${stat[19]}" -v up="$uptime" 'BEGIN {
    alive = up - start / hz
    printf "CPU %.2f s in %.1f s alive = %.2f %% of one core (start-up included)\n", cpu / hz, alive, 100 * cpu / hz / alive
}'
grep VmHWM "/proc/$program_pid/status" | awk '{ printf "peak resident memory: %.1f MB\n", $2 / 1024 }'
kill "$program_pid"
