#!/usr/bin/env bash
# The manual page of pictra-cli keeps up with the program: every command its
# --help lists, and every option each command's --help names, is in the page;
# and no page draws a warning from man.
# Usage: man_pages_test.sh PICTRA_CLI MAN_FOLDER
set -euo pipefail
cli=$1 pages=$2
source "$(dirname "$0")/../support/checks.sh"

for page in "$pages"/*.1; do
  check "$(basename "$page") renders without warnings" \
    sh -c "! LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z '$page' 2>&1 >/dev/null | grep ."
done

# The page as a reader sees it, one blank between words.
LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$pages/pictra-cli.1" 2>/dev/null | col -b | tr -s ' \n' ' ' >"$work/page.txt"
commands=$("$cli" --help | sed -n '/^commands:/,/^$/s/^  \([a-z]*\) .*/\1/p')
check "pictra-cli --help lists its commands" test -n "$commands"
documented() { # command: its name and each of its options are in the page
  local command=$1 option missing=""
  grep -q -- " $command " "$work/page.txt" || missing="$command"
  for option in $("$cli" "$command" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    [ "$option" = "--help" ] || grep -q -- "$command .*$option" "$work/page.txt" || missing="$missing $option"
  done
  [ -z "$missing" ] || { echo "not in pictra-cli.1: $missing"; return 1; }
}
for command in $commands; do
  check "pictra-cli.1 documents $command and its options" documented "$command"
done

echo "man pages: $passed passed, 0 failed"
