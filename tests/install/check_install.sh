#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks what a desktop needs of it:
# the program, a valid menu entry, the icons, and ".TEG" and ".offre" file types that resolve
# to it.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[[ -x $prefix/bin/kalmoris ]] || fail "no program in bin/"
desktop=$prefix/share/applications/kalmoris.desktop
[[ -f $desktop ]] || fail "no desktop entry"
for icon in scalable/apps/kalmoris.svg 48x48/apps/kalmoris.png 128x128/apps/kalmoris.png; do
  [[ -f $prefix/share/icons/hicolor/$icon ]] || fail "no icon $icon"
done
grep -qx 'Categories=Office;Finance;' "$desktop" || fail "categories"
grep -qx 'Exec=kalmoris %f' "$desktop" || fail "the entry does not pass the file"
grep -q '^Comment\[fr\]=' "$desktop" || fail "no French comment"
grep -qx 'MimeType=application/x-kalmoris-teg;application/x-kalmoris-offre;' "$desktop" ||
  fail "no dossier and offer file types"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi

mime=$prefix/share/mime
for type in teg offre; do
  [[ -f $mime/packages/kalmoris-$type.xml ]] || fail "no $type file type definition"
done
if command -v update-mime-database >/dev/null; then
  update-mime-database "$mime"
  grep -q 'application/x-kalmoris-teg:\*\.TEG' "$mime/globs2" || fail ".TEG not registered"
  grep -q 'application/x-kalmoris-offre:\*\.offre' "$mime/globs2" || fail ".offre not registered"
fi
echo "installed layout is complete"
