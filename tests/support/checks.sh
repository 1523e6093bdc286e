# Sourced by the shell tests: a scratch folder `$work` removed at exit, and
# `check NAME COMMAND...`, which counts a passing check in `$passed` and
# stops the test at the first failing one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
check() {
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok   $name"; else echo "FAIL $name"; exit 1; fi
}
