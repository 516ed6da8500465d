#!/bin/sh
# `cmake --install` puts the program and the files around it in the standard places.
# Usage: install_layout.sh BUILD_DIR
set -u
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null || exit 1
status=0
for file in \
    bin/kemora \
    share/applications/kemora.desktop \
    share/icons/hicolor/scalable/apps/kemora.svg \
    share/icons/hicolor/16x16/apps/kemora.png \
    share/icons/hicolor/48x48/apps/kemora.png \
    share/icons/hicolor/256x256/apps/kemora.png \
    share/metainfo/org.example.kemora.metainfo.xml \
    share/man/man1/kemora.1.gz \
    share/doc/kemora/copyright \
    share/doc/kemora/changelog.gz; do
    if [ ! -s "$prefix/$file" ]; then
        echo "missing: $file"
        status=1
    fi
done
[ -x "$prefix/bin/kemora" ] || { echo "bin/kemora is not executable"; status=1; }
exit $status
