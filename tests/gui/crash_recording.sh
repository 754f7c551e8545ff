#!/usr/bin/env bash
# A recording killed (SIGKILL) at each call that changes a file, from the
# first one after the drill to the first one after the last history file
# was replaced: a drill of a lesson whose entries have answers and whose
# reference line takes an entry of another lesson, so that the recording
# changes two history files. After every kill each history file is as it
# was before the drill or as the same session without kill leaves it, and
# the next start works, changes neither and removes what the kill left
# unfinished.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
source "$here/../support/kill_point.sh"
gui_begin "$@"
kill_point_build
headless_end="cannot open the display, the window cannot be shown stop "

# Two lessons in the demo's settings: the drilled one and the one its
# reference line points into.
sed -i '/^Which_lesson :>/,/^<:/c\Which_lesson :>\n lessons/small.txt\n lessons/big.txt\n<:' "$work/pimlo.conf"
printf '%s\n' '!# small' '# the cat * pet' 'Q> the cat' 'R> le chat' '##la maison *big' 'END_OF_FILE' \
  >"$work/lessons/small.txt"
printf '%s\n' '!# big' '# le garçon * personne' 'Q> le garçon' 'R> the boy' \
  '# la maison * lieu' 'Q> la maison' 'R> the house' 'END_OF_FILE' >"$work/lessons/big.txt"
(cd "$work" && run "$pimlo")
expect_output "$headless_end"
give_answers "$work" "$today"
rm -f "$work/pimlo_log" "$work/idx1_old"
before=$(make_temp)
cp -a "$work/." "$before/"

# Both entries answered wrong once, then Quit answered Yes; the counting
# starts just before Quit.
drill_and_quit() {
  gui_press_drill 1
  gui_press_drill 1
  for i in 1 2; do
    gui_press_drill 1
    gui_press_drill 3
  done
  kill -USR1 "$gui_pid"
  gui_click quit 1
  gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
  xdotool key Return
  # A kill is reported by the shell when the job is reaped: expected here.
  gui_wait_exit 2>/dev/null
}

# The session without kill: the new versions, and the points to kill at.
clean=$(make_temp)
cp -a "$before/." "$clean/"
gui_start_counted "$clean" 0 KILL_POINT_COUNT="$clean.count" KILL_POINT_TRACE="$clean.trace"
drill_and_quit
expect_gui_status 0
[ "$(history_stats "$clean/IDX1/idx1_small.txt" | cut -d'|' -f2)" = "1 2 $((today - 1)) $today" ] ||
  bad "the cat was not recorded: $(history_stats "$clean/IDX1/idx1_small.txt")"
[ "$(history_stats "$clean/IDX1/idx1_big.txt" | grep '^la maison' | cut -d'|' -f2)" = "2 1 $((today - 2)) $today" ] ||
  bad "the house was not recorded: $(history_stats "$clean/IDX1/idx1_big.txt")"
last=$(grep -E '/IDX1(/|$)' "$clean.trace" | tail -1 | cut -d' ' -f1)
total=$(cat "$clean.count")
[ -n "$last" ] && [ "$last" -gt 4 ] || bad "the recording changed no history file: $(cat "$clean.trace")"
points=$((last + 1 < total ? last + 1 : total))
file_hashes "$before" old_hashes
file_hashes "$clean" new_hashes

# A slow machine covers fewer points rather than overrunning the test's
# time limit; it says so.
run_dir=$(make_temp)
for ((n = 1; n <= points; n++)); do
  if [ "$SECONDS" -gt 100 ]; then
    echo "time budget spent: points $n to $points not run"
    points=$((n - 1))
    break
  fi
  rm -rf "$run_dir" && cp -a "$before" "$run_dir"
  gui_start_counted "$run_dir" "$n"
  drill_and_quit
  expect_gui_status 137
  file_hashes "$run_dir" run_hashes
  expect_old_or_new "recording killed at point $n"
  (cd "$run_dir" && run "$pimlo")
  expect_status 1
  expect_output "$headless_end"
  file_hashes "$run_dir" run_hashes
  expect_old_or_new "recording killed at point $n, then started again"
  expect_no_unfinished_copy "recording killed at point $n, then started again"
done
echo "$points recordings killed ($total points in the session without kill)"
finish
