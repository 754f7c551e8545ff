#!/usr/bin/env bash
# The listening lesson's text shows yellow buttons that play ranges of a
# recording through the real sound player (into ALSA's file output); Clr
# and ReDr empty and refill the text.
set -u
source "$(dirname "$0")/../support/gui_session.sh"
gui_begin --alsa "$@"

# expect_frames N: waits until N mono frames (32-bit floats) have been played.
frames() { echo $(($(stat -c %s "$work/alsa_output.raw") / 4)); }
expect_frames() {
  local want=$1
  gui_until 10 eval '[ "$(frames)" -ge "$want" ]'
  sleep 0.2
  [ "$(frames)" = "$1" ] || bad "$(frames) frames played, expected $1"
}

gui_start "$work"
gui_click prev 1 # from lesson 1 to the last one, "ecoute"
gui_press_drill 1
gui_wait_for 'text:D>1' || bad "the lesson text has no button D>1"
gui_screenshot lesson_text_sounds
# A>1 plays frames 0 to 8000, padded to the end of its block of 2048.
gui_click 'text:A>1' 1
expect_frames 8192

gui_click clr 1
sleep 0.5
grep -q '^text:' "$gui_geometry" && bad "Clr left buttons in the text"
gui_click redr 1
gui_wait_for 'text:A>1' || bad "ReDr did not show the buttons again"
gui_click quit 1
gui_wait_exit
expect_gui_status 0
finish
