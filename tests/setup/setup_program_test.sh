#!/usr/bin/env bash
# pictra-setup run as a user runs it, without a display: an unattended
# installation from a distribution made as the `dist` target makes it, the
# quality of the sample pictures it installs, and the uninstaller started the
# README's way, which must not need a display either.
# Usage: setup_program_test.sh PICTRA_SETUP MAKE_DIST PROGRAM...
set -euo pipefail
setup=$1 make_dist=$2; shift 2
source "$(dirname "$0")/../support/checks.sh"

medium=$work/medium
mkdir -p "$medium/ABM10"
QT_QPA_PLATFORM=offscreen "$make_dist" folder "$medium/ABM10"
cp "$@" "$medium/ABM10/"
cp "$setup" "$medium/pictra-setup"

# A fresh user with no display at all.
home=$work/home
mkdir -p "$home"
as_user() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" XDG_DATA_HOME="$home/.local/share" \
    XDG_CONFIG_HOME="$home/.config" PICTRA_REGISTRY="$home/.config/Korvale/pictra.reg" "$@"
}
target=$home/ABM10

status=0
as_user "$medium/pictra-setup" 2>"$work/dialogs.err" || status=$?
check "the windows without a display end with a message, not an abort" \
  sh -c "[ $status -eq 1 ] && grep -q -- '--unattended' '$work/dialogs.err'"

check "an unattended installation succeeds" as_user "$medium/pictra-setup" --unattended --target "$target"
samples=("$target"/IMAGE/*.jpg)
check "the samples are installed" test -f "${samples[0]}"
good_quality() { # the quality ImageMagick estimates from each picture's tables
  local f q
  for f in "${samples[@]}"; do
    q=$(identify -format %Q "$f")
    [ "$q" -ge 80 ] || { echo "$f has JPEG quality $q"; return 1; }
  done
}
check "every sample picture has JPEG quality 80 or more" good_quality
check "the menu entry is there" test -f "$home/.local/share/applications/pictra.desktop"

status=0
as_user "$target/pictra-uninstall" --uninstall --target "$target" 2>"$work/uninstall.err" || status=$?
check "the uninstaller without a display succeeds" test "$status" -eq 0
check "it says it runs unattended" grep -q -- '--unattended' "$work/uninstall.err"
check "the program is gone" test ! -e "$target/pictra"
check "the folders it made under ~/.local/share are gone" test ! -e "$home/.local/share"

echo "setup: $passed passed, 0 failed"
