#!/usr/bin/env bash
# The program on a real X server (Xvfb, one 1920 × 1080 screen) under real window managers,
# driven by real key events (xdotool), as a teacher at a projector would use it:
#  - F11 makes the window full screen (_NET_WM_STATE_FULLSCREEN, covering the screen exactly),
#    and Esc gives it back at its zoom and place;
#  - a saved zoom of 250 % opens wholly on the screen, frame included;
#  - in scenario mode, Enter on a menu item runs no step (Enter in the window then does).
# Usage: real_window_manager.sh PROGRAM [WINDOW_MANAGER...]   (openbox and mutter by default)
set -euo pipefail
program=$(realpath "$1")
shift
managers=("$@")
[[ ${#managers[@]} -gt 0 ]] || managers=(openbox mutter)

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL ($manager): $*" >&2
    failures=$((failures + 1))
}

# Waits up to 10 s for a command to succeed.
await() {
    local _
    for _ in $(seq 100); do "$@" && return 0; sleep 0.1; done
    return 1
}

# The window's client area as "x y width height" in screen pixels.
geometry() {
    xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
fullscreen() { xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN; }
windowed() { ! fullscreen; }
framed() { xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '='; }
title() { xprop -id "$window" -notype _NET_WM_NAME | sed 's/^_NET_WM_NAME = //'; }
geometry_is() { [[ $(geometry) == "$1" ]]; }

# Starts the program from a folder of its own whose settings file holds only the zoom, and
# waits until its window is framed and has the focus.
start_program() {
    local folder="$work/program-$manager-$1"
    mkdir -p "$folder"
    cp "$program" "$folder/"
    printf '[VIEW]\r\nzoom=%s\r\n' "$1" >"$folder/CONFIG2.INI"
    (cd "$folder" && exec env -u QT_QPA_PLATFORM "./$(basename "$program")") \
        >"$folder/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$program_pid" | head -n 1)
    await framed || fail "the window manager never framed the window"
    xdotool windowactivate --sync "$window"
    sleep 1  # the window settles at its zoom once its frame is known
}
stop_program() {
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
}

for manager in "${managers[@]}"; do
    display=90
    while [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]]; do display=$((display + 1)); done
    Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb-$manager.log" 2>&1 &
    pids+=($!)
    export DISPLAY=":$display"
    await test -e "/tmp/.X11-unix/X$display" || { fail "Xvfb did not start"; continue; }
    case $manager in
        openbox) openbox >"$work/$manager.log" 2>&1 & ;;
        mutter) dbus-run-session -- mutter --x11 --replace --sm-disable >"$work/$manager.log" 2>&1 & ;;
        *) echo "unknown window manager $manager" >&2; exit 2 ;;
    esac
    pids+=($!)
    await sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        { fail "did not start"; cat "$work/$manager.log" >&2; continue; }

    # Full screen and back.
    start_program 100
    before=$(geometry)
    xdotool key F11
    await fullscreen || fail "F11 gave no _NET_WM_STATE_FULLSCREEN"
    await geometry_is "0 0 1920 1080" || fail "full screen covers $(geometry), not the screen"
    xdotool key Escape
    await windowed || fail "Esc left the window full screen"
    await geometry_is "$before" || fail "Esc gave the window back at $(geometry), not at $before"
    stop_program

    # A zoom too large for the screen.
    start_program 250
    read -r x y width height < <(geometry)
    read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
        sed 's/.*= //; s/,//g')
    if ((x - left < 0 || y - top < 0 || x + width + right > 1920 || y + height + bottom > 1080)); then
        fail "at a saved zoom of 250 the window lies at $x $y ${width}x$height, frame $left $right $top $bottom"
    fi
    stop_program

    # Enter on a menu item in scenario mode: the item alone acts.
    start_program 100
    xdotool key F5
    start_title=$(title)
    # 表示 → down past 蒸気圧曲線 and シナリオモード to グラフを表示, chosen with Enter.
    xdotool key alt+v
    sleep 0.5
    xdotool key Down Down Return
    sleep 1
    [[ $(title) == "$start_title" ]] || fail "Enter on a menu item ran a step: $(title)"
    xdotool key Return
    await sh -c "xprop -id $window -notype _NET_WM_NAME | grep -q '\[1\]'" ||
        fail "Enter in the window ran no step: $(title)"
    stop_program
    echo "$manager: checked"
done

if ((failures > 0)); then
    exit 1
fi
echo "All checks passed under: ${managers[*]}"
