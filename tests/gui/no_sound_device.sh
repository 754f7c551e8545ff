#!/usr/bin/env bash
# Without a sound device the drill of the listening lesson goes on: the
# device is reported on standard error, the questions follow one another
# and the answers are recorded at Quit.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
gui_begin "$@"

# An ALSA configuration whose default device does not exist.
printf 'pcm.!default { type hw card 31 }\n' >"$work/alsa.conf"
export ALSA_CONFIG_PATH="$work/alsa.conf"
history="$work/IDX1/idx1_ecoute.txt"

gui_start "$work"
gui_click prev 1
gui_press_drill 3 # the drill confirmation
gui_press_drill 1 # confirmed: the first question
gui_press_drill 1 # its answer
gui_press_drill 3 # not known
gui_press_drill 1
gui_press_drill 3
gui_screenshot no_sound_device
gui_click quit 1
gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
gui_click dialog:yes 1
gui_wait_exit
expect_gui_status 0

grep -q 'cannot open audio device' "$work/stderr" || bad "the missing device was not reported"
[ "$(history_stats "$history" | grep -c "|0 1 0 $today|- - - -$")" = 2 ] ||
  bad "two wrong answers expected: $(history_stats "$history")"
finish
