#!/usr/bin/env bash
# One program per working directory: while another process holds the
# directory's lock, pimlo.x refuses to start and writes nothing; once the
# holder is gone, even killed, the next start works.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/../support/kill_point.sh"
pimlo=$1
refused="another pimlo.x is already running in this working directory stop "
headless_end="cannot open the display, the window cannot be shown stop "

work=$(make_temp)
mkdir -p "$work/lessons"
printf 'Which_lesson :>\n lessons/a.txt\n<:\nPath_idx1 :> ./IDX1 <:\n' >"$work/pimlo.conf"
printf '%s\n' '!# alpha' '# the cat * pet' 'Q> the cat' 'R> le chat' 'END_OF_FILE' >"$work/lessons/a.txt"
(cd "$work" && run "$pimlo")
expect_output "$headless_end"

# Everything in the directory, with sizes and times to the nanosecond.
listing() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }

# wait_until CMD...: polls CMD for up to 10 seconds.
wait_until() {
  local i
  for ((i = 0; i < 200; i++)); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}
lock_is_held() { ! flock -n "$work" true; }
is_stopped() { [[ "$(ps -o stat= -p "$1" 2>/dev/null)" == T* ]]; }

# A shell command holds the lock: the program stops at once, with one line,
# and leaves the log, the copies and the histories as they were.
(exec 9<"$work" && flock 9 && exec sleep 60) &
holder=$!
wait_until lock_is_held || bad "the holder did not take the lock"
before=$(listing "$work")
(cd "$work" && run "$pimlo")
expect_status 1
[ "$(cat "$PIMLO_RUN_DIR/out")" = "$refused" ] || bad "refused start printed: $(cat "$PIMLO_RUN_DIR/out")"
[ "$(listing "$work")" = "$before" ] || bad "the refused start changed the directory"

# The holder killed, its lock is gone with it, and nothing is left behind.
{ kill -KILL "$holder" && wait "$holder"; } 2>/dev/null
(cd "$work" && run "$pimlo")
expect_status 1
expect_output "$headless_end"
[ "$(ls -A "$work" | tr '\n' ' ')" = "CPY IDX1 lessons pimlo.conf pimlo_log " ] ||
  bad "unexpected files: $(ls -A "$work" | tr '\n' ' ')"

# A real pimlo.x frozen in the middle of a rebuild holds the lock: a second
# one refuses and does not touch the half-done work. Killed, the first one
# leaves a directory the next start finishes.
kill_point_build
sed -i 's/^END_OF_FILE/# the dog * pet\nQ> the dog\nR> le chien\n&/' "$work/lessons/a.txt"
touch -d '+2 seconds' "$work/lessons/a.txt"
kill_point_vars "$work" 3
(cd "$work" && exec env -u DISPLAY "${kill_point_vars[@]}" KILL_POINT_SIGNAL=19 "$pimlo" \
  >/dev/null 2>&1 </dev/null) &
first=$!
wait_until is_stopped "$first" || bad "the first pimlo.x did not reach its third change"
before=$(listing "$work")
(cd "$work" && run "$pimlo")
expect_status 1
expect_output "$refused"
[ "$(listing "$work")" = "$before" ] || bad "the refused start changed the directory"
{ kill -KILL "$first" && wait "$first"; } 2>/dev/null
(cd "$work" && run "$pimlo")
expect_status 1
expect_output "$headless_end"
grep -q '^#the dog \*alpha' "$work/IDX1/idx1_a.txt" || bad "the history file was not rebuilt"

finish
