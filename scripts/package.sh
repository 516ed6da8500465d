#!/usr/bin/env bash
# Builds the Debian package in a fresh build/package folder and checks it with lintian.
# The package is build/package/kemora_VERSION_ARCH.deb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh" run package
dir="$top/build/package"
rm -rf "$dir"
# Hardened as Debian's own packages are, and bound at load time.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKEMORA_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack -G DEB)
deb=$(echo "$dir"/kemora_*.deb)
lintian --fail-on error "$deb"
echo "The package: $deb"
