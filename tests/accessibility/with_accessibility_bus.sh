#!/bin/sh
# Runs a program as a desktop with a screen reader would: on an X display of its own, with a
# session bus and the accessibility bus, and Qt's accessibility on.
# Usage: with_accessibility_bus.sh PROGRAM [ARGUMENTS...]
set -eu
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb dbus-run-session "$launcher"; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool (xvfb, dbus, at-spi2-core)" >&2; exit 1; }
done

work=$(mktemp -d)
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# The X server writes the number of a free display once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The accessibility bus lives as long as the program, on a session bus of their own.
dbus-run-session -- sh -c '
    "$0" --launch-immediately &
    bus=$!
    status=0
    "$@" || status=$?
    kill "$bus"
    wait "$bus" 2>/dev/null || true
    exit "$status"' "$launcher" "$@"
