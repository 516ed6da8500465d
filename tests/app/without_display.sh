#!/bin/sh
# Started where no display can be opened, the program prints one line saying what it needs and
# ends with status 1 instead of aborting.
# Usage: without_display.sh PROGRAM
expected='kemora: デスクトップ画面が必要です (a graphical desktop is needed; to try it without one, set QT_QPA_PLATFORM=offscreen)'
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
status=$?
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    printf 'status %s, output:\n%s\n' "$status" "$output"
    exit 1
fi
