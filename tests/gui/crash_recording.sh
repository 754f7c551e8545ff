#!/usr/bin/env bash
# A recording killed (SIGKILL) at a sample of the calls that change a file
# (kill_points): a drill of a lesson whose entries have answers and whose
# reference line takes an entry of another lesson, so that the recording
# changes two history files. After every kill each history is as before the
# drill or as the same session without kill leaves it, and the next start
# works and removes what the kill left unfinished: then either both
# histories hold the drill or neither does.
set -u
here=$(dirname "$0")
source "$here/../support/gui_session.sh"
source "$here/../support/kill_point.sh"
gui_begin "$@"
recording_begin
before=$(make_temp)
cp -a "$work/." "$before/"

clean=$(make_temp)
cp -a "$before/." "$clean/"
recording "$clean" 0
expect_gui_status 0
[ "$(history_stats "$clean/IDX1/idx1_small.txt" | cut -d'|' -f2)" = "1 2 $((today - 1)) $today" ] ||
  bad "the cat was not recorded: $(history_stats "$clean/IDX1/idx1_small.txt")"
[ "$(history_stats "$clean/IDX1/idx1_big.txt" | grep '^la maison' | cut -d'|' -f2)" = "2 1 $((today - 2)) $today" ] ||
  bad "the house was not recorded: $(history_stats "$clean/IDX1/idx1_big.txt")"
all_or_nothing=1 kill_recordings "recording"
finish
