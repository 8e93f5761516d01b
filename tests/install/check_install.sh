#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that a desktop finds the
# program there: the executables, a valid desktop entry and the icon.
#   check_install.sh BUILD_DIR
set -euo pipefail

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$1" --prefix "$prefix" >/dev/null

status=0
for file in bin/ebo bin/ebo-cli share/applications/ebo.desktop share/icons/hicolor/32x32/apps/ebo.png; do
    [ -s "$prefix/$file" ] || { echo "missing: $file"; status=1; }
done
desktop-file-validate "$prefix/share/applications/ebo.desktop" || status=1
grep -qx 'Exec=ebo' "$prefix/share/applications/ebo.desktop" || { echo "Exec is not ebo"; status=1; }
[ "$(identify -format '%wx%h' "$prefix/share/icons/hicolor/32x32/apps/ebo.png")" = 32x32 ] \
    || { echo "icon is not 32x32"; status=1; }
[ $status = 0 ] && echo "install layout: ok"
exit $status
