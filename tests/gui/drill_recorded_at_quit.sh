#!/usr/bin/env bash
# A drill of lesson 1 driven by mouse buttons 1 and 3 on the drill button,
# then Quit answered Yes with the Enter key: every entry asked is recorded
# wrong once, and the last-state file names lesson 1 and the window. Each
# verdict press is followed at once by two more, which fall in the pause
# after a press and must not be acted on (else some entry is marked twice).
set -u
source "$(dirname "$0")/../support/gui_session.sh"
gui_begin "$@"

gui_start "$work"
history="$work/IDX1/idx1_animals1.txt"
gui_press_drill 1 # the lesson's text and the drill confirmation
gui_press_drill 1 # confirmed: the first question
for i in 1 2 3 4; do
  gui_press_drill 1   # the answer
  gui_press_drill 3 3 # not known, and two presses during the pause
done
gui_screenshot drill_recorded_at_quit
gui_click quit 1
gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
xdotool key Return
gui_wait_exit
expect_gui_status 0

got=$(history_stats "$history")
[ "$got" = "the cat|0 1 0 $today|- - - -
the dog|0 1 0 $today|- - - -
the cow|0 1 0 $today|- - - -
the horse|0 1 0 $today|- - - -" ] || bad "history of lesson 1:
$got"
[ "$(sed -n '1p;2p;4p' "$work/Pimlo_last_state")" = "  1    Last lesson
  1   Sense of Q and R 
  1100  760   Size of main window width height" ] || bad "last state: $(cat "$work/Pimlo_last_state")"
finish
