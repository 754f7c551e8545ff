#!/usr/bin/env bash
# One program per working directory: while a pimlo.x frozen in the middle of
# a rebuild holds the directory, a second one refuses to start and touches
# nothing; once the first is killed, the next start finishes the rebuild.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/lib.sh"
source "$here/../support/kill_point.sh"
pimlo=$1

work=$(make_temp)
mkdir -p "$work/lessons"
printf 'Which_lesson :>\n lessons/a.txt\n<:\nPath_idx1 :> ./IDX1 <:\n' >"$work/pimlo.conf"
printf '%s\n' '!# alpha' '# the cat * pet' 'Q> the cat' 'R> le chat' 'END_OF_FILE' >"$work/lessons/a.txt"
(cd "$work" && run "$pimlo")
expect_output "$headless_end"

# Everything in the directory, with sizes and times to the nanosecond.
listing() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }

kill_point_build
sed -i 's/^END_OF_FILE/# the dog * pet\nQ> the dog\nR> le chien\n&/' "$work/lessons/a.txt"
touch -d '+2 seconds' "$work/lessons/a.txt"
kill_point_vars "$work" 3
(cd "$work" && exec env -u DISPLAY "${kill_point_vars[@]}" KILL_POINT_SIGNAL=19 "$pimlo" \
  >/dev/null 2>&1 </dev/null) &
first=$!
for ((i = 0; i < 200; i++)); do [[ "$(ps -o stat= -p "$first")" == T* ]] && break; sleep 0.05; done
[[ "$(ps -o stat= -p "$first")" == T* ]] || bad "the first pimlo.x did not reach its third change"
before=$(listing "$work")
(cd "$work" && run "$pimlo")
expect_status 1
[ "$(cat "$PIMLO_RUN_DIR/out")" = "another pimlo.x is already running in this working directory stop " ] ||
  bad "refused start printed: $(cat "$PIMLO_RUN_DIR/out")"
[ "$(listing "$work")" = "$before" ] || bad "the refused start changed the directory"
{ kill -KILL "$first" && wait "$first"; } 2>/dev/null
(cd "$work" && run "$pimlo")
expect_status 1
expect_output "$headless_end"
grep -q '^#the dog \*alpha' "$work/IDX1/idx1_a.txt" || bad "the history file was not rebuilt"
finish
