# Sourced by the window tests (tests/gui/*.sh): runs the real pimlo.x on the
# X display of the test (xvfb-run) in a fresh copy of examples/, and drives
# it with xdotool.
#
# The program is started with PIMLO_TEST_GEOMETRY, so it writes where its
# widgets are ("NAME X Y WIDTH HEIGHT SENSITIVE" lines after a "serial N"
# line, rewritten at each change): the tests click the middle of a widget by
# its name and wait for the drill button to take presses again, instead of
# guessing positions and sleeping.
#
#   source "$(dirname "$0")/../support/gui_session.sh"   (after lib.sh)
#   gui_begin [--alsa] "$@"  # pimlo.x, source dir, screenshot dir;
#                            # sets $work and $today
#   gui_start "$work"
#   gui_press_drill 1        # mouse button 1 on the drill button
#   gui_click quit 1
#   gui_wait_for dialog:yes; gui_click dialog:yes 1
#   gui_wait_exit; expect_gui_status 0
#   gui_screenshot name      # into the screenshot dir, as name.png
#
# gui_click returns once the click is sent (other than on the drill button,
# after a short wait for its handler); gui_press_drill waits until the
# press has been acted on and the drill button takes presses again.
#
# A test without a display is skipped (status 77).

_gui_support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$_gui_support_dir/alsa_file_output.sh"
gui_pid=""
gui_geometry=""

gui_setup() {
  pimlo=$1
  source_dir=$2
  shot_dir=$3
  if [ -z "${DISPLAY:-}" ]; then
    echo "SKIP: no X display (the window tests run under xvfb-run)"
    exit 77
  fi
  for tool in xdotool import python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
  done
  mkdir -p "$shot_dir"
  trap 'gui_kill; cleanup' EXIT
}

# gui_begin [--alsa] PIMLO SOURCE_DIR SHOT_DIR: the start every window test
# shares. Runs gui_setup, puts a fresh copy of the demo working directory in
# $work (removed at exit) and today's day number in $today; with --alsa, the
# program's sounds go to ALSA's file output in $work. Exits 77 without a
# display or a needed tool.
gui_begin() {
  local alsa=0
  if [ "${1:-}" = --alsa ]; then
    alsa=1
    shift
  fi
  gui_setup "$@"
  work=$(gui_workdir)
  temps+=("$work") # made in a subshell, so make_temp could not note it
  today=$(today_day_number)
  if [ "$alsa" = 1 ]; then use_alsa_file_output "$work"; fi
}

# A fresh copy of the demo working directory.
gui_workdir() {
  local work
  work=$(make_temp)
  cp -R "$source_dir/examples/." "$work/"
  echo "$work"
}

gui_kill() {
  if [ -n "$gui_pid" ] && kill -0 "$gui_pid" 2>/dev/null; then
    kill "$gui_pid" 2>/dev/null
    wait "$gui_pid" 2>/dev/null
  fi
  gui_pid=""
}

# gui_start DIR: starts pimlo.x in DIR (standard output and error in
# DIR/stdout and DIR/stderr) and waits until its window is on screen.
gui_start() {
  local dir=$1
  gui_geometry="$dir/geometry"
  rm -f "$gui_geometry"
  (cd "$dir" && exec env PIMLO_TEST_GEOMETRY="$gui_geometry" "$pimlo" >"$dir/stdout" 2>"$dir/stderr") &
  gui_pid=$!
  gui_wait_for drill 30 || { bad "the window did not appear"; tail -5 "$dir/stdout" "$dir/stderr"; finish; }
}

# How many drill presses have been acted on, their pause over.
_gui_freed() { awk '$1 == "freed" { print $2 }' "$gui_geometry" 2>/dev/null; }

# gui_wait_for NAME [SECONDS]: waits until widget NAME is on screen.
gui_wait_for() {
  local name=$1 limit=${2:-15} i
  for ((i = 0; i < limit * 20; i++)); do
    grep -q "^$name " "$gui_geometry" 2>/dev/null && return 0
    kill -0 "$gui_pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

# gui_field NAME N: field N of widget NAME's line (2 = x ... 6 = sensitive).
gui_field() { awk -v n="$1" -v f="$2" '$1 == n { print $f }' "$gui_geometry"; }

gui_click() {
  local name=$1 button=$2 x y
  x=$(awk -v n="$name" '$1 == n { print int($2 + $4 / 2) }' "$gui_geometry")
  y=$(awk -v n="$name" '$1 == n { print int($3 + $5 / 2) }' "$gui_geometry")
  [ -n "$x" ] || { bad "no widget $name on screen"; return 1; }
  xdotool mousemove "$x" "$y" click "$button"
  [ "$name" = drill ] || sleep 0.3
}

# Waits until a press has been acted on and its pause is over (the count
# of "freed" above $1).
_gui_wait_drill_free() {
  local before=$1 i
  for ((i = 0; i < 400; i++)); do
    if [ "$(_gui_freed)" -gt "$before" ] && [ "$(gui_field drill 6)" = 1 ]; then return 0; fi
    kill -0 "$gui_pid" 2>/dev/null || { bad "pimlo.x ended during a press"; return 1; }
    sleep 0.05
  done
  bad "the drill button stayed insensitive"
  return 1
}

# gui_press_drill BUTTON [REPEAT]: presses the drill button with mouse
# button BUTTON (REPEAT times in quick succession, 60 ms apart), then waits
# until it takes presses again.
gui_press_drill() {
  local button=$1 repeat=${2:-1} before
  before=$(_gui_freed)
  if [ "$repeat" -gt 1 ]; then
    gui_click drill "$button" >/dev/null
    xdotool click --repeat "$((repeat - 1))" --delay 60 "$button"
  else
    gui_click drill "$button"
  fi
  _gui_wait_drill_free "$before"
}

# gui_wait_exit [SECONDS]: waits for pimlo.x to end; its status in $gui_status.
gui_wait_exit() {
  local limit=${1:-20} i
  for ((i = 0; i < limit * 20; i++)); do
    if ! kill -0 "$gui_pid" 2>/dev/null; then
      wait "$gui_pid"
      gui_status=$?
      gui_pid=""
      return 0
    fi
    sleep 0.05
  done
  bad "pimlo.x did not end"
  gui_kill
  gui_status=-1
}

expect_gui_status() { [ "$gui_status" = "$1" ] || bad "pimlo.x ended with $gui_status, expected $1"; }

# The X window of the program's main window.
gui_window_id() { awk '$1 == "xid" { print $2 }' "$gui_geometry"; }

# Closes the window as a window manager's close button does.
gui_wm_close() { python3 "$_gui_support_dir/wm_close.py" "$(gui_window_id)"; }

gui_screenshot() { import -window root "$shot_dir/$1.png"; }

# Today's day number: whole days since 1 January 2001.
today_day_number() {
  echo $((($(date -u -d "$(date +%F)" +%s) - $(date -u -d 2001-01-01 +%s)) / 86400))
}

# stat_numbers FILE N: the numbers of line N of a history file, separated by
# one space; a blank field reads "-" (never answered).
stat_numbers() {
  sed -n "${2}p" "$1" | tr -d '\r' | awk -F';' '{
    out = ""
    for (i = 1; i < NF; i++) { v = $i; gsub(/ /, "", v); out = out (i > 1 ? " " : "") (v == "" ? "-" : v) }
    print out
  }'
}

# history_stats FILE: one line per entry of a history file,
# "NAME|Q->R numbers|R->Q numbers", the numbers as stat_numbers gives them.
history_stats() {
  tr -d '\r' <"$1" | awk '
    function nums(line,   n, a, i, v, out) {
      n = split(line, a, ";")
      out = ""
      for (i = 1; i < n; i++) { v = a[i]; gsub(/ /, "", v); out = out (i > 1 ? " " : "") (v == "" ? "-" : v) }
      return out
    }
    /^#/ && !/^##/ && !/#####/ && !/END_OF_FILE/ {
      name = $0; sub(/^# */, "", name); sub(/ *\*.*/, "", name)
      getline q; getline r
      print name "|" nums(q) "|" nums(r)
    }'
}
