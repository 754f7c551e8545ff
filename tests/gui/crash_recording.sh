#!/usr/bin/env bash
# A recording that changes two history files (a reference line takes an
# entry of another lesson), killed (SIGKILL) at a sample of its file changes:
# after the next start both histories hold the drill or neither does. Then
# the same with a faulty statistics line, which the recording backs up,
# records and has rebuilt.
set -u
here=$(dirname "$0")
source "$here/../support/gui_session.sh"
source "$here/../support/kill_point.sh"
gui_begin "$@"
recording_begin
recorded_cat="1 2 $((today - 1)) $today"

# record_clean [boxes]: $before, a copy of $work, and $clean, a copy of
# $before recorded without kill.
record_clean() {
  before=$(make_temp)
  cp -a "$work/." "$before/"
  clean=$(make_temp)
  cp -a "$before/." "$clean/"
  recording "$clean" 0 "${1:-}"
  expect_gui_status 0
}

record_clean
[ "$(history_stats "$clean/IDX1/idx1_small.txt" | cut -d'|' -f2)" = "$recorded_cat" ] ||
  bad "the cat was not recorded: $(history_stats "$clean/IDX1/idx1_small.txt")"
[ "$(history_stats "$clean/IDX1/idx1_big.txt" | grep '^la maison' | cut -d'|' -f2)" = "2 1 $((today - 2)) $today" ] ||
  bad "the house was not recorded: $(history_stats "$clean/IDX1/idx1_big.txt")"
all_or_nothing=1 kill_recordings "recording"

# The cat's R->Q line: right answers on a day to come.
sed -i "5s/.*/     2      ;     0      ;    $((today + 100))    ;     0      ;\r/" "$work/IDX1/idx1_small.txt"
printf 'an older backup\r\n' >"$work/IDX1/cpy_idx1_small.txt"
record_clean boxes
gui_screenshot crash_recording_repair
cmp -s "$clean/IDX1/cpy_idx1_small.txt" "$before/IDX1/idx1_small.txt" ||
  bad "the backup is not the history file as it was"
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
restart_check=finished kill_recordings "recording with repair" boxes
finish
