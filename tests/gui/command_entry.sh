#!/usr/bin/env bash
# The command entry of the real window: "!help" shows the help scrolled to
# its last line; a press in the entry removes the previous command even once
# another button took the focus; the entry keeps its text selected, so that
# typing replaces it.
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

gui_click quit 1
gui_wait_exit
expect_gui_status 0
finish
