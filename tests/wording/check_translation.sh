#!/usr/bin/env bash
# Fails when the English translation lags behind the sources: runs lupdate over the sources
# into a copy of the .ts file and looks for texts it finds new or unfinished, texts that
# no longer exist, and empty translations. The README tells how to bring the .ts up to date.
# The texts only the browser edition shows (context kemora::web::Page) are not in these
# sources; the page's own test checks them.
# Usage: check_translation.sh LUPDATE SOURCE_FOLDER TS_FILE
set -euo pipefail
lupdate=$1 sources=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
perl -0pe 's{<context>\s*<name>kemora::web::Page</name>.*?</context>\s*}{}s' "$ts" >"$work/check.ts"
"$lupdate" -silent -locations none "$sources" -ts "$work/check.ts"
if grep -q -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$work/check.ts"; then
    echo "$ts is not up to date with the sources; entries to translate or remove:"
    grep -B3 -E 'type="(unfinished|vanished|obsolete)"|<translation></translation>' "$work/check.ts"
    exit 1
fi
echo "$(grep -c '<message>' "$ts") texts, all translated"
