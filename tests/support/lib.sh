# Assertion helpers of the tests that run the real pimlo.x: `run` keeps the
# standard output and status of the last command (subshell-safe, in files).
failures=0
# Every temporary directory lies in one, removed at exit; others may enter.
temp_root=$(mktemp -d "${TMPDIR:-/tmp}/pimlo_prog_XXXXXX")
chmod 755 "$temp_root"
make_temp() { mktemp -d "$temp_root/XXXXXX"; }
cleanup() { rm -rf "$temp_root"; }
trap cleanup EXIT
PIMLO_RUN_DIR=$(make_temp)
headless_end="cannot open the display, the window cannot be shown stop "
# The clock, and the day number of today (days since 1 January 2001).
now=$(date +%s)
today=$((($(date -u -d "$(date +%F)" +%s) - $(date -u -d 2001-01-01 +%s)) / 86400))

# Without a display, a run that gets past the start-up stops there.
run() {
  env -u DISPLAY timeout 60 "$@" >"$PIMLO_RUN_DIR/out" 2>"$PIMLO_RUN_DIR/err" </dev/null
  echo $? >"$PIMLO_RUN_DIR/status"
}

bad() {
  echo "FAIL (line ${BASH_LINENO[1]}): $*"
  failures=$((failures + 1))
}

expect_status() {
  local got
  got=$(cat "$PIMLO_RUN_DIR/status")
  [ "$got" = "$1" ] || { bad "status $got, expected $1"; sed 's/^/  | /' "$PIMLO_RUN_DIR/out" | tail -5; }
}

# Expects a whole line of standard output equal to $1.
expect_output() {
  grep -qxF -- "$1" "$PIMLO_RUN_DIR/out" || { bad "no output line '$1'"; sed 's/^/  | /' "$PIMLO_RUN_DIR/out" | tail -5; }
}

expect_file() { [ -e "$1" ] || bad "missing $1"; }
expect_no_file() { [ ! -e "$1" ] || bad "unexpected $1"; }

finish() {
  if [ "$failures" -eq 0 ]; then echo "all checks passed"; exit 0; fi
  echo "$failures check(s) failed"
  exit 1
}
