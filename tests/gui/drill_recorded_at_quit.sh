#!/usr/bin/env bash
# A drill of lesson 1 driven by mouse buttons 1 and 3 on the drill button,
# then Quit answered Yes with the Enter key: every entry asked is recorded
# wrong once, and the last-state file names lesson 1 and the window. Each
# verdict press is followed at once by two more, which fall in the pause
# after a press and must not be acted on (else some entry is marked twice).
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
gui_begin "$@"

gui_start "$work"
history="$work/IDX1/idx1_animals1.txt"
[ "$(history_stats "$history" | grep -c '|- - - -|- - - -$')" = 4 ] || bad "lesson 1 was asked before"

gui_press_drill 1 # the lesson's text and the drill confirmation
gui_press_drill 1 # confirmed: the first question
for i in 1 2 3 4; do
  gui_press_drill 1   # the answer
  gui_press_drill 3 3 # not known, and two presses during the pause
done
gui_screenshot drill_recorded_at_quit

gui_click quit 1
gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
gui_screenshot drill_recorded_at_quit_question
xdotool key Return
gui_wait_exit
expect_gui_status 0

expected="the cat|0 1 0 $today|- - - -
the dog|0 1 0 $today|- - - -
the cow|0 1 0 $today|- - - -
the horse|0 1 0 $today|- - - -"
got=$(history_stats "$history")
[ "$got" = "$expected" ] || bad "history of lesson 1:
$got"

expect_file "$work/Pimlo_last_state"
sed -n 1p "$work/Pimlo_last_state" | grep -qx '  1    Last lesson' || bad "last state: $(sed -n 1p "$work/Pimlo_last_state")"
sed -n 2p "$work/Pimlo_last_state" | grep -qx '  1   Sense of Q and R ' || bad "last state: wrong sense"
sed -n 4p "$work/Pimlo_last_state" | grep -qx '  1100  760   Size of main window width height' ||
  bad "last state: $(sed -n 4p "$work/Pimlo_last_state")"
finish
