#!/usr/bin/env bash
# Closing the window during a drill asks whether to record it, as Quit does
# (Escape: not now); the next start puts the window where it was left.
set -u
source "$(dirname "$0")/../support/gui_session.sh"
gui_begin "$@"

gui_start "$work"
for button in 3 1 1; do gui_press_drill $button; done
gui_press_drill 3 3 # not known; the two presses in the pause after it are dropped
gui_wm_close
gui_wait_for dialog:yes || bad "closing the window during a drill asked nothing"
gui_screenshot window_close_offers_record
xdotool mousemove "$(gui_field dialog:no 2)" "$(gui_field dialog:no 3)" key Escape
gui_until 5 eval '! grep -q "^dialog:yes " "$gui_geometry"' || bad "Escape left the question open"
kill -0 "$gui_pid" 2>/dev/null || bad "Escape in the question ended the program"
expect_no_file "$work/Pimlo_last_state"
gui_wm_close
gui_wait_for dialog:yes || bad "closing the window again asked nothing"
gui_click dialog:yes 1
gui_wait_exit
expect_gui_status 0
[ "$(history_stats "$work/IDX1/idx1_animals1.txt" | grep -c "|0 1 0 $today|- - - -$")" = 1 ] ||
  bad "one wrong answer expected: $(history_stats "$work/IDX1/idx1_animals1.txt")"

sed -i -e '3s/.*/  30  40   Position/' -e '4s/.*/  900  700   Size/' -e '5s/.*/  350   Width/' \
  "$work/Pimlo_last_state"
gui_start "$work"
[ "$(gui_field window 2) $(gui_field window 3) $(gui_field window 4) $(gui_field window 5)" = "30 40 900 700" ] ||
  bad "window not at the remembered place: $(grep '^window' "$gui_geometry")"
gui_click quit 1 # nothing drilled: no question
gui_wait_exit
expect_gui_status 0
[ "$(sed -n 1,5p "$work/Pimlo_last_state" | awk '{ print $1, $2 }' | tr '\n' ' ')" = \
  "1 Last 1 Sense 30 40 900 700 350 Width " ] || bad "last state after the second run: $(cat "$work/Pimlo_last_state")"
finish
