#!/usr/bin/env bash
# The listening lesson: its text shows yellow buttons that play ranges of a
# recording, Clr and ReDr empty and refill the text, and the drill plays the
# sound cue of each question while sound is on, none once it is off. Quit
# answered No leaves the history as it was. Sound goes to ALSA's file output.
set -u
here=$(dirname "$0")
source "$here/../program/lib.sh"
source "$here/../support/gui_session.sh"
gui_begin --alsa "$@"

history="$work/IDX1/idx1_ecoute.txt"
frames() { alsa_recorded_frames "$work" 1; }
# wait_frames N: waits until N frames have been played in all.
wait_frames() {
  local i
  for ((i = 0; i < 200; i++)); do
    [ "$(frames)" -ge "$1" ] && break
    sleep 0.05
  done
  sleep 0.2
  [ "$(frames)" = "$1" ] || bad "$(frames) frames played, expected $1"
}

gui_start "$work"
before=$(cat "$history")
gui_click prev 1 # from lesson 1 to the last one, "ecoute"
gui_press_drill 1
gui_wait_for 'text:D>1' || bad "the lesson text has no button D>1"
gui_screenshot lesson_text_sounds

# A>1 plays frames 0 to 8000, padded to the end of its block of 2048.
gui_click 'text:A>1' 1
wait_frames 8192
# D>1: 0-8000, then its range line 8000-16000, then 16000 to the end (24000).
gui_click 'text:D>1' 1
wait_frames $((8192 + 8192 + 8192 + 8000))

gui_click clr 1
sleep 0.5
grep -q '^text:' "$gui_geometry" && bad "Clr left buttons in the text"
gui_click redr 1
gui_wait_for 'text:A>1' || bad "ReDr did not show the buttons again"

played=$(frames)
gui_press_drill 1 # confirmed: the first question, heard
sleep 0.5
[ "$(frames)" -gt "$played" ] || bad "the first question played no sound"

gui_click sound 1 # sound off
gui_press_drill 1 # the answer
gui_press_drill 1 # known; the next question, not heard
played=$(frames)
gui_press_drill 1
sleep 0.5
[ "$(frames)" = "$played" ] || bad "a sound was played with sound off"

gui_click quit 1
gui_wait_for dialog:no || bad "Quit during a drill asked nothing"
gui_click dialog:no 1
gui_wait_exit
expect_gui_status 0
[ "$(cat "$history")" = "$before" ] || bad "No changed the history"
finish
