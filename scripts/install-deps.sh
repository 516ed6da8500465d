#!/usr/bin/env bash
# Installs the Debian packages of the named lists (scripts/packages-LIST.txt) that are not yet
# installed: as root directly, otherwise through sudo. Where neither is possible it prints the
# one command for root to run and fails.
# Usage: scripts/install-deps.sh LIST...   (LIST: run, test or package)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ $# -eq 0 ]]; then
    echo "usage: $0 LIST...  (run, test or package)" >&2
    exit 2
fi
wanted=()
for list in "$@"; do
    file="$here/packages-$list.txt"
    if [[ ! -f $file ]]; then
        echo "install-deps.sh: there is no package list $file" >&2
        exit 2
    fi
    mapfile -t -O "${#wanted[@]}" wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' "$file" | grep -v '^$')
done
missing=()
for pkg in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0
if [[ $(id -u) -eq 0 ]]; then
    as_root=()
elif command -v sudo >/dev/null; then
    as_root=(sudo)
else
    echo "Some Debian packages are missing. Run this as root, then start this command again:" >&2
    echo "apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
