#!/usr/bin/env bash
# A recording killed (SIGKILL) at a sample of the calls that change a file
# (kill_points): a drill of a lesson whose entries have answers and whose
# reference line takes an entry of another lesson, so that the recording
# changes two history files. After every kill each history is as before the
# drill or as the same session without kill leaves it, and the next start
# works, changes neither and removes what the kill left unfinished.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
source "$here/../support/kill_point.sh"
gui_begin "$@"
recording_begin
before=$(make_temp)
cp -a "$work/." "$before/"

# Both entries answered wrong once, then Quit answered Yes; the counting
# starts just before Quit.
drill_and_quit() {
  for button in 1 1 1 3 1 3; do gui_press_drill $button; done
  kill -USR1 "$gui_pid"
  gui_click quit 1
  gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
  xdotool key Return
  gui_wait_exit 2>/dev/null # a kill is reported when the job is reaped
}

clean=$(make_temp)
cp -a "$before/." "$clean/"
gui_start_counted "$clean" 0 KILL_POINT_TRACE="$clean.trace"
drill_and_quit
expect_gui_status 0
[ "$(history_stats "$clean/IDX1/idx1_small.txt" | cut -d'|' -f2)" = "1 2 $((today - 1)) $today" ] ||
  bad "the cat was not recorded: $(history_stats "$clean/IDX1/idx1_small.txt")"
[ "$(history_stats "$clean/IDX1/idx1_big.txt" | grep '^la maison' | cut -d'|' -f2)" = "2 1 $((today - 2)) $today" ] ||
  bad "the house was not recorded: $(history_stats "$clean/IDX1/idx1_big.txt")"
file_hashes "$before" old_hashes
file_hashes "$clean" new_hashes

run_dir=$(make_temp)
points=$(kill_points "$clean.trace")
for n in $points; do
  # A slow machine covers fewer points rather than overrun the time limit.
  [ "$SECONDS" -lt 100 ] || { echo "time budget spent: points from $n on not run"; break; }
  rm -rf "$run_dir" && cp -a "$before" "$run_dir"
  gui_start_counted "$run_dir" "$n"
  drill_and_quit
  expect_gui_status 137
  file_hashes "$run_dir" run_hashes
  expect_versions "recording killed at point $n" killed
  (cd "$run_dir" && run "$pimlo")
  expect_status 1
  expect_output "$headless_end"
  file_hashes "$run_dir" run_hashes
  expect_versions "recording killed at point $n, then started again" restarted
done
echo "recordings killed at points $(echo $points) of $(wc -l <"$clean.trace")"
finish
