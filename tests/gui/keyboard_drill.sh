#!/usr/bin/env bash
# A drill of lesson 1 driven by keys alone, the status bar counting the
# verdicts; keys typed into the command entry (Ctrl+L) stay there.
set -u
source "$(dirname "$0")/../support/gui_session.sh"
gui_begin "$@"

# drill_key KEY: presses KEY and waits until the drill button has acted on it
# and takes presses again.
drill_key() {
  local before
  before=$(gui_field freed 2)
  xdotool key "$1"
  gui_until 20 _press_done || bad "the key $1 was not acted on"
}
status_is() {
  local got
  got=$(sed -n 's/^status //p' "$gui_geometry")
  [ "$got" = "$1" ] || bad "status bar: \"$got\", expected \"$1\""
}

gui_start "$work"
xdotool windowfocus --sync "$(gui_field xid 2)"
[ "$(sed -n 's/^title //p' "$gui_geometry")" = "pimlo — lesson 1 (ani1)" ] ||
  bad "title: $(grep '^title ' "$gui_geometry")"
status_is "lesson 1 (ani1) · Q->R · sound on"
drill_key Return # the lesson text and the drill confirmation
drill_key Return # confirmed: the first question
status_is "lesson 1 (ani1) · Q->R · sound on · asked 0 of 4 · right 0 · wrong 0 · skipped 0"
drill_key space
drill_key Right
drill_key Down
drill_key Left
drill_key Return
drill_key 2
drill_key BackSpace
status_is "lesson 1 (ani1) · Q->R · sound on · asked 1 of 4 · right 1 · wrong 0 · skipped 1"

xdotool key ctrl+l type 3 # into the entry, not the drill
sleep 0.5
status_is "lesson 1 (ani1) · Q->R · sound on · asked 1 of 4 · right 1 · wrong 0 · skipped 1"
xdotool key Escape
drill_key space
drill_key 1
status_is "lesson 1 (ani1) · Q->R · sound on · asked 2 of 4 · right 2 · wrong 0 · skipped 1"
gui_screenshot keyboard_drill

gui_click quit 1
gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
gui_screenshot keyboard_drill_record_question
xdotool key Return
gui_wait_exit
expect_gui_status 0
grep -q "|1 0 $today 0|" <(history_stats "$work/IDX1/idx1_animals1.txt") || bad "nothing recorded"
finish
