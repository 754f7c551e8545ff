#!/usr/bin/env bash
# Commands typed into the entry: "!help" shows the help text, "!ltag" writes
# the tag census, a lesson's alias opens that lesson, whose drill is then
# recorded at Quit; the entry keeps its text, and a press in it removes the
# selected text so that the next command can be typed.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
gui_begin "$@"

# command TEXT: selects the entry's text, presses in the entry (which
# removes the selected text), types TEXT and confirms it.
command() {
  gui_click entry 1
  xdotool key ctrl+a
  gui_click entry 1
  xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 0.5
}

gui_start "$work"
command '!help'
gui_screenshot command_entry_help

command '!ltag'
expect_file "$work/pimlo_ltag"
grep -q 'animal' "$work/pimlo_ltag" 2>/dev/null || bad "the tag census lacks the tag animal"

command 'fr'
gui_press_drill 3 # the drill confirmation of lesson 3, "fr"
gui_press_drill 1 # confirmed: the first question
gui_press_drill 1
gui_press_drill 3 # not known
gui_click quit 1
gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
gui_click dialog:yes 1
gui_wait_exit
expect_gui_status 0
[ "$(history_stats "$work/IDX1/idx1_francais.txt" | grep -c "|0 1 0 $today|- - - -$")" = 1 ] ||
  bad "lesson fr has no wrong answer: $(history_stats "$work/IDX1/idx1_francais.txt")"
sed -n 1p "$work/Pimlo_last_state" | grep -qx '  3    Last lesson' || bad "last state not lesson 3"
finish
