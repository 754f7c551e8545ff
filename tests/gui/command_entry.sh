#!/usr/bin/env bash
# Commands typed into the entry: "!help" shows the help text, scrolled to
# its last line, "!ltag" writes the tag census, a lesson's alias opens that
# lesson, whose drill is then recorded at Quit; the entry keeps its text,
# selected so that typing replaces it, and a press in it removes the
# previous command even once another button took the focus.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
gui_begin "$@"

# command TEXT: presses in the entry (which removes the previous command,
# selected or not), types TEXT and confirms it.
command() {
  gui_click entry 1
  xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 0.5
}

# The last line written lies within the drill pane.
last_line_in_sight() {
  awk '$1 == "pane" { top = $3; bottom = $3 + $5 } $1 == "lastline" { y = $3; h = $5 }
       END { exit !(h > 0 && y >= top && y + h <= bottom) }' "$gui_geometry"
}

gui_start "$work"
command '!help'
for ((i = 0; i < 100; i++)); do last_line_in_sight && break; sleep 0.05; done
last_line_in_sight || bad "the end of the help is out of sight: $(grep -E '^(pane|lastline) ' "$gui_geometry")"
gui_screenshot command_entry_help

gui_click sense 1 # the focus leaves the entry and the selection with it
gui_click sense 1
command '!ltag'
expect_file "$work/pimlo_ltag"
grep -q 'animal' "$work/pimlo_ltag" 2>/dev/null || bad "the tag census lacks the tag animal"

xdotool type --delay 20 'fr' # replaces "!ltag", still selected
xdotool key Return
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
