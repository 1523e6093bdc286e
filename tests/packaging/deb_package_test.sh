#!/usr/bin/env bash
# Builds the Debian package from a Release build folder, checks it against
# Debian's rules with lintian (no error, no warning), installs it on this
# machine, checks what a desktop user gets from it (album file type, menu
# entry, icon, album thumbnails), removes it and checks nothing is left.
# Also checks a plain `cmake --install` into a prefix.
# Usage: deb_package_test.sh BUILD_DIR      Last line: "package: N passed, 0 failed".
set -euo pipefail
build=$(cd "$1" && pwd)
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
source "$(dirname "$0")/../support/checks.sh"

cmake --build "$build" --target dist >/dev/null
album="$work/my album.abm"
cp "$build/dist/ABM10/USER/サンプル.abm" "$album"

# A plain install under a prefix.
cmake --install "$build" --prefix "$work/prefix" >/dev/null
for f in bin/pictra bin/pictra-cli bin/pictra-thumbnailer share/pictra/pictra.pdf \
         share/applications/pictra.desktop share/mime/packages/pictra.xml \
         share/thumbnailers/pictra.thumbnailer share/icons/hicolor/48x48/apps/pictra.png \
         share/man/man1/pictra-cli.1.gz share/doc/pictra/copyright; do
  check "cmake --install brings $f" test -e "$work/prefix/$f"
done

(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls -t "$build"/pictra_*.deb | head -n 1)
check "the package holds the programs" sh -c "dpkg-deb -c '$deb' | grep 'bin/pictra-thumbnailer' >/dev/null"
check "the package depends on Qt" sh -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6"
for page in pictra pictra-cli pictra-thumbnailer; do
  check "the package has the manual page of $page" sh -c "dpkg-deb -c '$deb' | grep 'usr/share/man/man1/$page.1.gz$' >/dev/null"
done
check "the copyright file is machine-readable" sh -c \
  "dpkg-deb --fsys-tarfile '$deb' | tar -xO ./usr/share/doc/pictra/copyright | head -n 1 | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$'"
# Errors and warnings fail (printed); tags meant to stay are overridden in
# cmake/deb/lintian-overrides with their reasons.
lintian_clean() {
  local status=0
  lintian "$deb" >"$work/lintian.log" 2>&1 || status=$?
  [ "$status" -le 1 ] || { cat "$work/lintian.log"; return 1; } # lintian itself failed
  ! grep -E '^[EW]: ' "$work/lintian.log"
}
check "lintian reports no error or warning" lintian_clean
$sudo dpkg -i "$deb" >/dev/null
check "dpkg installs the package" sh -c "dpkg-query -W -f='\${Status}' pictra | grep -q 'ok installed'"
check "the menu entry is valid" desktop-file-validate "$prefix/share/applications/pictra.desktop"

# A fresh user: nothing of ours in their own folders.
export HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
check "an .abm file is a Pictra album" \
  test "$(xdg-mime query filetype "$album")" = "application/x-pictra-album"
check "the thumbnailer writes the album's icon" pictra-thumbnailer "$album" "$work/icon.png" 128
check "the icon is a 128-pixel PNG" sh -c "file '$work/icon.png' | grep -q 'PNG image data, 128 x 128'"

listed=$(dpkg-query -L pictra | while read -r p; do [ -f "$p" ] && echo "$p"; done)
$sudo apt-get remove -y -q pictra >/dev/null
check "apt-get removes the package" sh -c "! dpkg-query -W -f='\${Status}' pictra 2>/dev/null | grep -q 'ok installed'"
left=$(for p in $listed; do [ -e "$p" ] && echo "$p"; done || true)
check "no file of the package is left" test -z "$left"
check "the file type is gone from the database" test ! -e "$prefix/share/mime/application/x-pictra-album.xml"

echo "package: $passed passed, 0 failed"
