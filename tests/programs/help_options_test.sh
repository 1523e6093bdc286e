#!/usr/bin/env bash
# Every program and every pictra-cli command answers --help and -h with its
# usage on stdout and exit 0, and does nothing else: no window (no display is
# given), no file written. An unknown option is exit 2 with one line on
# stderr, and every option a command takes gets past the option check.
# Usage: help_options_test.sh PICTRA PICTRA_CLI PICTRA_THUMBNAILER PICTRA_SETUP
# Last line: "help options: N passed, N failed".
set -uo pipefail
pictra=$(realpath "$1") cli=$(realpath "$2") thumbnailer=$(realpath "$3") setup=$(realpath "$4")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
watched=$root/watched
mkdir -p "$root/bin" "$root/runtime" "$watched/home" "$watched/cwd"
chmod 700 "$root/runtime"
cp "$setup" "$root/bin/pictra-uninstall" # as the installer makes the uninstaller
uninstall=$root/bin/pictra-uninstall

export HOME=$watched/home XDG_CONFIG_HOME=$watched/home/.config XDG_DATA_HOME=$watched/home/.local/share
export XDG_CACHE_HOME=$watched/home/.cache XDG_RUNTIME_DIR=$root/runtime PICTRA_REGISTRY=$watched/home/pictra.reg
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

passed=0
failed=0
check() { # name, command...
  local name=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $name"; fi
}

run() { # command...: runs it in the empty folder; sets code, out, err
  (cd "$watched/cwd" && "$@" >"$root/out" 2>"$root/err")
  code=$?
  out=$(cat "$root/out")
  err=$(cat "$root/err")
}

nothing_written() { [ -z "$(find "$watched" -mindepth 1 ! -path "$watched/home" ! -path "$watched/cwd")" ]; }
starts_with() { [[ $1 == "$2"* ]]; }
lines() { [ -z "$1" ] && echo 0 || printf '%s\n' "$1" | wc -l; }

# expect_help "USAGE START" command...: --help and -h each print the usage.
expect_help() {
  local start=$1
  shift
  local flag
  for flag in --help -h; do
    run "$@" "$flag"
    local name="${start#usage: }"
    name="${name% } $flag"
    check "$name: exit 0" [ "$code" -eq 0 ]
    check "$name: the usage on stdout" starts_with "$out" "$start"
    check "$name: more than the usage line" [ "$(lines "$out")" -gt 1 ]
    check "$name: nothing on stderr" [ -z "$err" ]
    check "$name: no file written" nothing_written
  done
}

# expect_unknown command...: the last argument is refused in one line.
expect_unknown() {
  run "$@"
  local option=${*: -1}
  local name="$(basename "$1") ${*:2}"
  check "$name: exit 2" [ "$code" -eq 2 ]
  check "$name: one line on stderr" [ "$(lines "$err")" -eq 1 ]
  check "$name: the line names the option and --help" sh -c 'case $1 in *"\"$2\""*--help*) ;; *) exit 1;; esac' - "$err" "$option"
  check "$name: nothing on stdout" [ -z "$out" ]
  check "$name: no file written" nothing_written
}

expect_help "usage: pictra " "$pictra"
expect_help "usage: pictra-cli COMMAND" "$cli"
expect_help "usage: pictra-thumbnailer " "$thumbnailer"
expect_help "usage: pictra-setup" "$setup"
expect_help "usage: pictra-uninstall --uninstall" "$uninstall"
for program in "$pictra" "$cli" "$thumbnailer" "$setup" "$uninstall"; do
  expect_unknown "$program" --no-such-option
done
# Help wins wherever it stands, also after the arguments a program runs with.
expect_help "usage: pictra-setup" "$setup" --unattended --target "$watched/cwd/ABM10"
expect_help "usage: pictra-uninstall --uninstall" "$uninstall" --uninstall --unattended

# Each command with the options it takes; "=" marks one that takes a value.
commands=(
  "info --json"
  "extract"
  "create --force --skip-duplicates"
  "convert --codec= --quality= --lossless"
  "exif"
  "print --paper= --orientation= --margin= --layout= --offsets= --gaps= --pdf= --printer= --poster= --sheet-orientation="
  "scan --list --device= --resolution= --mode= --source= --area= --folder= --format="
  "edit"
  "search --pattern= --words= --words-any-pattern"
  "xmp --overwrite"
  "relink --search= --apply"
)
run "$cli" --help
listing=$out
for entry in "${commands[@]}"; do
  read -r command options <<<"$entry"
  check "pictra-cli --help lists $command" sh -c 'printf "%s\n" "$1" | grep -q "^  $2 "' - "$listing" "$command"
  expect_help "usage: pictra-cli $command " "$cli" "$command"
  expect_help "usage: pictra-cli $command " "$cli" "$command" album.abm
  expect_unknown "$cli" "$command" --no-such-option
  run "$cli" "$command" --help
  usage=$out
  run "$cli" help "$command"
  check "pictra-cli help $command is $command --help" sh -c '[ "$1" -eq 0 ] && [ "$2" = "$3" ]' - "$code" "$out" "$usage"
  for option in $options; do
    name=${option%=}
    check "pictra-cli $command --help names $name" sh -c 'case $1 in *"$2"*) ;; *) exit 1;; esac' - "$usage" "$name"
    # A value that looks like an option: refused first if the option were
    # taken for one without a value.
    value=()
    [ "$option" = "$name" ] || value=(-v)
    run "$cli" "$command" "$name" "${value[@]}" --no-such-option
    check "pictra-cli $command $name is taken" sh -c 'case $1 in *"\"--no-such-option\""*) ;; *) exit 1;; esac' - "$err"
  done
done
# The bug that was: an album named after the option.
run "$cli" create --help
check "create --help makes no album" test ! -e "$watched/cwd/--help"

echo "help options: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
