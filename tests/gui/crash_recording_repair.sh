#!/usr/bin/env bash
# A recording that meets a faulty statistics line (a day in the future)
# backs the history file up as "cpy_" + its name, records, tells the user
# and rebuilds the history file from the lesson. Killed (SIGKILL) at each
# point where a file of the working directory takes its new version (each
# rename), just after the last one, and where the first copy is begun: the
# backup is its old or its new version, each history file is its old or its
# new version or, killed between the recording and the rebuild, the recorded
# file; the next start works and leaves no unfinished copy.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
source "$here/../support/kill_point.sh"
gui_begin "$@"
kill_point_build
headless_end="cannot open the display, the window cannot be shown stop "

sed -i '/^Which_lesson :>/,/^<:/c\Which_lesson :>\n lessons/small.txt\n lessons/big.txt\n<:' "$work/pimlo.conf"
printf '%s\n' '!# small' '# the cat * pet' 'Q> the cat' 'R> le chat' '##la maison *big' 'END_OF_FILE' \
  >"$work/lessons/small.txt"
printf '%s\n' '!# big' '# le garçon * personne' 'Q> le garçon' 'R> the boy' \
  '# la maison * lieu' 'Q> la maison' 'R> the house' 'END_OF_FILE' >"$work/lessons/big.txt"
(cd "$work" && run "$pimlo")
expect_output "$headless_end"
give_answers "$work" "$today"
# The cat's R->Q line: right answers on a day to come.
future=$(printf '     2      ;     0      ;    %4d    ;     0      ;' $((today + 100)))
sed -i "5s/.*/$future\r/" "$work/IDX1/idx1_small.txt"
printf 'an older backup\r\n' >"$work/IDX1/cpy_idx1_small.txt"
rm -f "$work/pimlo_log" "$work/idx1_old"
before=$(make_temp)
cp -a "$work/." "$before/"

# Closes each message box with Enter until pimlo.x ends. A message box's
# one button is "dialog:ok" in the geometry; when one box
# follows another the geometry may go from one to the next without a dump
# between, so each Enter waits for the next dump.
box_shown() { grep -qE '^dialog:(ok|raz) ' "$gui_geometry" 2>/dev/null; }
serial() { awk '$1 == "serial" { print $2 }' "$gui_geometry" 2>/dev/null; }
close_boxes_until_exit() {
  local i was
  while kill -0 "$gui_pid" 2>/dev/null; do
    i=0
    until box_shown || ! kill -0 "$gui_pid" 2>/dev/null || ((i++ >= 400)); do sleep 0.05; done
    box_shown || break
    was=$(serial)
    xdotool key Return
    i=0
    until [ "$(serial)" != "$was" ] || ! kill -0 "$gui_pid" 2>/dev/null || ((i++ >= 200)); do
      sleep 0.05
    done
    sleep 0.2
  done
  gui_wait_exit 2>/dev/null
}

# The cat answered wrong once, then Quit answered Yes and each message box
# closed; the counting starts just before Quit.
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
  close_boxes_until_exit
}

clean=$(make_temp)
cp -a "$before/." "$clean/"
gui_start_counted "$clean" 0 KILL_POINT_COUNT="$clean.count" KILL_POINT_TRACE="$clean.trace"
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

# Kill points: each rename, the point after the last change of a history
# file or backup, and the first file begun.
renames=$(grep ' rename ' "$clean.trace" | cut -d' ' -f1)
after_last=$(($(grep -E '/IDX1(/|$)' "$clean.trace" | tail -1 | cut -d' ' -f1) + 1))
first=$(head -1 "$clean.trace" | cut -d' ' -f1)
points=$(printf '%s\n' $first $renames $after_last | sort -nu)
[ "$(echo $points | wc -w)" -ge 6 ] || bad "too few points: $points; trace: $(cat "$clean.trace")"

run_dir=$(make_temp)
runs=0
for n in $points; do
  if [ "$SECONDS" -gt 100 ]; then
    echo "time budget spent: points from $n on not run"
    break
  fi
  rm -rf "$run_dir" && cp -a "$before" "$run_dir"
  gui_start_counted "$run_dir" "$n"
  drill_and_quit
  expect_gui_status 137
  file_hashes "$run_dir" run_hashes
  # Between the recording and the rebuild, the history file is the recorded
  # one: the old file with the cat's answer, its faulty line still there.
  if [ "${run_hashes[IDX1/idx1_small.txt]}" != "${old_hashes[IDX1/idx1_small.txt]}" ] &&
    [ "${run_hashes[IDX1/idx1_small.txt]}" != "${new_hashes[IDX1/idx1_small.txt]}" ]; then
    got=$(history_stats "$run_dir/IDX1/idx1_small.txt" | cut -d'|' -f2)
    [ "$got" = "$recorded_cat" ] && [ "$(stat -c %s "$run_dir/IDX1/idx1_small.txt")" = \
      "$(stat -c %s "$before/IDX1/idx1_small.txt")" ] ||
      bad "killed at point $n: idx1_small.txt is neither old, recorded nor rebuilt"
    run_hashes[IDX1/idx1_small.txt]=${old_hashes[IDX1/idx1_small.txt]}
  fi
  expect_old_or_new "recording with repair killed at point $n"
  (cd "$run_dir" && run "$pimlo")
  expect_status 1
  expect_output "$headless_end"
  file_hashes "$run_dir" run_hashes
  expect_no_unfinished_copy "recording with repair killed at point $n, then started again"
  runs=$((runs + 1))
done
echo "$runs recordings with repair killed, at points $(echo $points) of $(cat "$clean.count")"
finish
