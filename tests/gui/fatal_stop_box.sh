#!/usr/bin/env bash
# A fatal stop is told in a box, naming the file at fault, before the program
# ends with its status: while a lesson is drilled (a history file that lost
# its marker line) and at start-up, before any window (a wrong key in
# pimlo.conf).
set -u
source "$(dirname "$0")/../support/gui_session.sh"
gui_begin "$@"

gui_start "$work"
sed -i '/^######/d' "$work/IDX1/idx1_animals1.txt"
gui_press_drill 2 # the drill confirmation of lesson 1, without the text
gui_click drill 1 # confirmed: the lesson is loaded
gui_wait_for dialog:ok || bad "no box at the stop"
gui_screenshot fatal_stop_box_drill
kill -0 "$gui_pid" 2>/dev/null || bad "pimlo.x ended before the box was closed"
gui_click dialog:ok 1
gui_wait_exit
expect_gui_status 1
grep -qx 'INIT_LESSON error 0 stop 1 ' "$work/stdout" || bad "the message is not on standard output"

printf 'Fontvocab :> 12 <:\n' >>"$work/pimlo.conf"
(cd "$work" && exec "$pimlo" >"$work/stdout" 2>"$work/stderr") &
gui_pid=$!
box=$(timeout 30 xdotool search --sync --name '^pimlo.x stops$' | head -1)
[ -n "$box" ] || bad "no box at a start-up stop"
gui_screenshot fatal_stop_box_startup
xdotool windowfocus --sync "$box" key Return
gui_wait_exit
expect_gui_status 1
grep -q 'order unknown' "$work/stdout" || bad "the message is not on standard output"
finish
