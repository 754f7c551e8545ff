#!/usr/bin/env bash
# A drill killed (SIGKILL) after each number of its steps, an undo and a skip
# among them: the next start offers the answers given, and Yes leaves the
# history byte for byte as the record question leaves it after the same steps.
set -u
source "$(dirname "$0")/../support/gui_session.sh"
gui_begin "$@"
sed -i '/^Which_lesson :>/,/^<:/c\Which_lesson :>\n lessons/one.txt\n<:' "$work/pimlo.conf"
printf '%s\n' '!# one' '# the cat * pet' 'Q> the cat' 'R> le chat' 'END_OF_FILE' >"$work/lessons/one.txt"
(cd "$work" && run "$pimlo")
expect_output "$headless_end"
history=IDX1/idx1_one.txt
steps=(1 3 2 undo 1 3) # verdicts by mouse button; undo: button 2 at a question

# drill DIR N: pimlo.x started in a copy of $work made at DIR, the lesson's
# drill begun and its first N steps given.
drill() {
  rm -rf "$1" && cp -a "$work" "$1"
  gui_start "$1"
  gui_press_drill 1
  gui_press_drill 1
  for step in "${steps[@]:0:$2}"; do
    if [ "$step" = undo ]; then
      gui_press_drill 2
    else
      gui_press_drill 1
      gui_press_drill "$step"
    fi
  done
}

clean=$(make_temp)/clean
killed=$(make_temp)/killed
for ((n = 1; n <= ${#steps[@]}; n++)); do
  drill "$clean" "$n"
  gui_click quit 1
  gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
  gui_click dialog:yes 1
  gui_wait_exit

  drill "$killed" "$n"
  kill -KILL "$gui_pid"
  gui_wait_exit 2>/dev/null
  gui_start "$killed"
  gui_wait_for dialog:yes || bad "the interrupted drill was not offered"
  [ "$n" != 4 ] || gui_screenshot drill_recovery
  gui_click dialog:yes 1
  gui_click quit 1
  gui_wait_exit
  expect_gui_status 0
  cmp -s "$clean/$history" "$killed/$history" ||
    bad "after $n steps, Yes: $(history_stats "$killed/$history") instead of $(history_stats "$clean/$history")"
done
finish
