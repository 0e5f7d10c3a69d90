#!/usr/bin/env bash
# Builds the Debian package of the built program and checks what it carries and needs.
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
package=$(ls "$out"/kalmoris_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }
contents=$(dpkg-deb -c "$package")
for file in ./usr/bin/kalmoris ./usr/share/applications/kalmoris.desktop \
    ./usr/share/mime/packages/kalmoris-teg.xml ./usr/share/mime/packages/kalmoris-offre.xml \
    ./usr/share/icons/hicolor/scalable/apps/kalmoris.svg; do
  grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libqt6printsupport6 fonts-liberation qt6-translations-l10n; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done
echo "package $(basename "$package") is complete"
