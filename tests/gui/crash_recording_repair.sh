#!/usr/bin/env bash
# A recording that meets a faulty statistics line (a day to come) backs the
# history up as "cpy_" + its name, records, tells the user and rebuilds the
# history from the lesson. Killed (SIGKILL) at a sample of its changes
# (kill_points): the backup is its old or new version, each history its old
# or new version or, killed between the recording and the rebuild, the
# recorded file; the next start works and leaves no unfinished copy.
set -u
here=$(dirname "$0")
source "$here/../support/gui_session.sh"
source "$here/../support/kill_point.sh"
gui_begin "$@"
recording_begin
# The cat's R->Q line: right answers on a day to come.
sed -i "5s/.*/     2      ;     0      ;    $((today + 100))    ;     0      ;\r/" "$work/IDX1/idx1_small.txt"
printf 'an older backup\r\n' >"$work/IDX1/cpy_idx1_small.txt"
before=$(make_temp)
cp -a "$work/." "$before/"

clean=$(make_temp)
cp -a "$before/." "$clean/"
recording "$clean" 0 boxes
expect_gui_status 0
gui_screenshot crash_recording_repair
cmp -s "$clean/IDX1/cpy_idx1_small.txt" "$before/IDX1/idx1_small.txt" ||
  bad "the backup is not the history file as it was"
recorded_cat="1 2 $((today - 1)) $today"
# The rebuild turns the day to come and its count into 0.
[ "$(history_stats "$clean/IDX1/idx1_small.txt")" = "the cat|$recorded_cat|0 0 0 0" ] ||
  bad "recorded and rebuilt: $(history_stats "$clean/IDX1/idx1_small.txt")"

# Between the recording and the rebuild the history is the recorded one: the
# old file with the cat's answer, its faulty line still there.
killed_hook() {
  local small=IDX1/idx1_small.txt
  [ "${run_hashes[$small]}" != "${old_hashes[$small]}" ] && [ "${run_hashes[$small]}" != "${new_hashes[$small]}" ] || return 0
  [ "$(history_stats "$1/$small" | cut -d'|' -f2)" = "$recorded_cat" ] &&
    [ "$(stat -c %s "$1/$small")" = "$(stat -c %s "$before/$small")" ] ||
    bad "killed at point $2: idx1_small.txt is neither old, recorded nor rebuilt"
  run_hashes[$small]=${old_hashes[$small]}
}
restart_check=finished
kill_recordings "recording with repair" boxes
finish
