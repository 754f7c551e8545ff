#!/usr/bin/env bash
# The command entry of the real window: "!help" shows the help scrolled to
# its last line; a press in the entry removes the previous command even once
# another button took the focus; the entry keeps its text selected, so that
# typing replaces it. "!new" builds the lesson of the words never asked; its
# drill, left with Next, is recorded with Yes, "RAZ ?" not offered (that
# lesson has no history of its own), into the lesson the word comes from.
set -u
source "$(dirname "$0")/../support/gui_session.sh"
gui_begin "$@"

type_line() {
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
gui_click entry 1
type_line '!help'
gui_until 5 last_line_in_sight || bad "the end of the help is out of sight: $(grep -E '^(pane|lastline) ' "$gui_geometry")"
gui_screenshot command_entry_help

gui_click sense 1 # the focus leaves the entry and the selection with it
gui_click sense 1
gui_click entry 1
type_line '!ltag'
grep -q 'animal' "$work/pimlo_ltag" 2>/dev/null || bad "no tag census"
type_line '!new' # replaces "!ltag", still selected
expect_file "$work/idx2_gene"

gui_press_drill 3 # the drill confirmation of the generated lesson
gui_press_drill 1 # confirmed: the first question
gui_press_drill 1 # its answer
gui_press_drill 3 # not known
gui_click next 1
gui_wait_for dialog:yes || bad "Next during the drill of the new words asked nothing"
grep -q '^dialog:raz ' "$gui_geometry" && bad "\"RAZ ?\" offered for the generated lesson"
gui_click dialog:yes 1
gui_click quit 1 # nothing drilled since: no question
gui_wait_exit
expect_gui_status 0
wrong=$(for h in "$work"/IDX1/idx1_*.txt; do history_stats "$h"; done | grep -c "|0 1 0 $today|- - - -$")
[ "$wrong" = 1 ] || bad "$wrong wrong answers recorded, expected 1"
finish
