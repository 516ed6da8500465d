#!/usr/bin/env bash
# Tests the browser edition's page: its pure parts and its sources under node, then the page in
# Debian's Chromium and Firefox ESR (puppeteer-core, headless, file://, network off) against
# the desktop's pictures, and in WebKit through WebKitWebDriver on a virtual display.
# Usage: web/test.sh PAGE DESKTOP_PICTURES
#   PAGE: the built kemora.html; DESKTOP_PICTURES: the Qt build's tests/web/desktop_pictures.
#   The settings' test takes the Qt build's desktop_settings beside it, or the one that
#   KEMORA_DESKTOP_SETTINGS names.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ $# -ne 2 ]]; then
    echo "usage: $0 PAGE DESKTOP_PICTURES" >&2
    exit 2
fi
export KEMORA_PAGE=$(realpath "$1")
export KEMORA_DESKTOP_PICTURES=$(realpath "$2")
# The desktop's scenario tool, built beside desktop_pictures unless named.
export KEMORA_DESKTOP_SCENARIO=$(realpath "${KEMORA_DESKTOP_SCENARIO:-$(dirname "$2")/desktop_scenario}")
cd "$here"
node --test test/unit/
# One browser at a time: the page's tests, then WebKit's.
node --test test/browser/page.test.mjs
node --test test/browser/settings.test.mjs
node --test test/browser/exports.test.mjs
node --test test/browser/scenario.test.mjs
node --test test/browser/offline.test.mjs
node --test test/browser/webkit.test.mjs
