#!/usr/bin/env bash
# "!new" typed into the entry of the real window builds the lesson of the
# words never asked (all 16 entries of the demo lessons). Its drill, with
# mouse buttons 1 and 3, is left with Next and recorded with Yes (no "RAZ ?"
# offered: the lesson has no history of its own): each answer lands in the
# history file of the lesson the word comes from.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
gui_begin "$@"

# command TEXT: empties the entry, types TEXT and confirms it.
command() {
  gui_click entry 1
  xdotool key ctrl+a BackSpace
  xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 0.5
}

# all_stats: the statistics of every entry of every demo lesson.
all_stats() { for h in "${histories[@]}"; do history_stats "$h"; done; }

gui_start "$work"
histories=("$work"/IDX1/idx1_*.txt)
[ "$(all_stats | grep -vc '|- - - -|- - - -$')" = 0 ] || bad "some word was asked before"

command '!sound off' # the listening lesson's cues would wait for a sound device
command '!new'
expect_file "$work/idx2_gene"
gui_screenshot new_lesson_announced

gui_press_drill 3 # the drill confirmation of the generated lesson
gui_press_drill 1 # confirmed: the first question
for i in $(seq 1 16); do
  gui_press_drill 1 # the answer
  if ((i % 2)); then gui_press_drill 1; else gui_press_drill 3; fi
done
gui_screenshot new_lesson_drilled

gui_click next 1
gui_wait_for dialog:yes || bad "Next during the drill of the new words asked nothing"
gui_screenshot new_lesson_record_question
grep -q '^dialog:raz ' "$gui_geometry" && bad "\"RAZ ?\" offered for the generated lesson"
gui_click dialog:yes 1
sleep 0.5
gui_click quit 1
gui_wait_exit
expect_gui_status 0

stats=$(all_stats)
wrong=$(grep -c "|0 1 0 $today|- - - -$" <<<"$stats")
right=$(grep -c "|1 0 $today 0|- - - -$" <<<"$stats")
[ "$wrong" = 8 ] && [ "$right" = 8 ] || bad "expected 8 wrong and 8 right answers of today:
$stats"
for h in "${histories[@]}"; do
  history_stats "$h" | grep -q "$today|- - - -$" || bad "no answer recorded in $(basename "$h")"
done
finish
