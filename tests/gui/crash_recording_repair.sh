#!/usr/bin/env bash
# A recording that meets a faulty statistics line (a day to come) backs the
# history up as "cpy_" + its name, records, tells the user and rebuilds the
# history from the lesson. Killed (SIGKILL) at a sample of its changes
# (kill_points): the backup is its old or new version, each history its old
# or new version or, killed between the recording and the rebuild, the
# recorded file; the next start works and leaves no unfinished copy.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
source "$here/../support/kill_point.sh"
gui_begin "$@"
recording_begin
# The cat's R->Q line: right answers on a day to come.
sed -i "5s/.*/     2      ;     0      ;    $((today + 100))    ;     0      ;\r/" "$work/IDX1/idx1_small.txt"
printf 'an older backup\r\n' >"$work/IDX1/cpy_idx1_small.txt"
before=$(make_temp)
cp -a "$work/." "$before/"

# Closes each message box with Enter until pimlo.x ends; each Enter waits
# for the next geometry dump, as one box may follow another.
box_shown() { grep -qE '^dialog:(ok|raz) ' "$gui_geometry" 2>/dev/null; }
close_boxes_until_exit() {
  local i was
  while kill -0 "$gui_pid" 2>/dev/null; do
    for ((i = 0; i < 400; i++)); do box_shown || ! kill -0 "$gui_pid" 2>/dev/null && break; sleep 0.05; done
    box_shown || break
    was=$(gui_field serial 2)
    xdotool key Return
    for ((i = 0; i < 200; i++)); do
      [ "$(gui_field serial 2 2>/dev/null)" != "$was" ] || ! kill -0 "$gui_pid" 2>/dev/null && break
      sleep 0.05
    done
    sleep 0.2
  done
  gui_wait_exit 2>/dev/null
}

# The cat answered wrong once, then Quit answered Yes and each box closed;
# the counting starts just before Quit.
drill_and_quit() {
  for button in 1 1 1 3 1 3; do gui_press_drill $button; done
  kill -USR1 "$gui_pid"
  gui_click quit 1
  gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
  xdotool key Return
  close_boxes_until_exit
}

clean=$(make_temp)
cp -a "$before/." "$clean/"
gui_start_counted "$clean" 0 KILL_POINT_TRACE="$clean.trace"
drill_and_quit
expect_gui_status 0
gui_screenshot crash_recording_repair
cmp -s "$clean/IDX1/cpy_idx1_small.txt" "$before/IDX1/idx1_small.txt" ||
  bad "the backup is not the history file as it was"
recorded_cat="1 2 $((today - 1)) $today"
# The rebuild turns the day to come and its count into 0.
[ "$(history_stats "$clean/IDX1/idx1_small.txt")" = "the cat|$recorded_cat|0 0 0 0" ] ||
  bad "recorded and rebuilt: $(history_stats "$clean/IDX1/idx1_small.txt")"
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
  # Between the recording and the rebuild the history is the recorded one:
  # the old file with the cat's answer, its faulty line still there.
  small=IDX1/idx1_small.txt
  if [ "${run_hashes[$small]}" != "${old_hashes[$small]}" ] && [ "${run_hashes[$small]}" != "${new_hashes[$small]}" ]; then
    [ "$(history_stats "$run_dir/$small" | cut -d'|' -f2)" = "$recorded_cat" ] &&
      [ "$(stat -c %s "$run_dir/$small")" = "$(stat -c %s "$before/$small")" ] ||
      bad "killed at point $n: idx1_small.txt is neither old, recorded nor rebuilt"
    run_hashes[$small]=${old_hashes[$small]}
  fi
  expect_versions "recording with repair killed at point $n" killed
  (cd "$run_dir" && run "$pimlo")
  expect_status 1
  expect_output "$headless_end"
  file_hashes "$run_dir" run_hashes
  expect_versions "recording with repair killed at point $n, then started again" finished
done
echo "recordings with repair killed at points $(echo $points) of $(wc -l <"$clean.trace")"
finish
