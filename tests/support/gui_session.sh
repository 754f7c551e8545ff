# Sourced by the window tests (it brings tests/support/lib.sh): runs the real
# pimlo.x on the X display of xvfb-run in a fresh copy of examples/ and
# drives it with xdotool. With PIMLO_TEST_GEOMETRY the program writes where
# its widgets are ("NAME X Y WIDTH HEIGHT SENSITIVE" lines), so the tests
# click a widget by its name and wait for the drill button to take presses
# again instead of sleeping. Without a display a test is skipped (77).
_gui_support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$_gui_support_dir/lib.sh"
gui_pid=""

# gui_begin [--alsa] PIMLO SOURCE_DIR SHOT_DIR: sets $pimlo and $work (a
# copy of the demo directory); with
# --alsa the sounds go to ALSA's file output $work/alsa_output.raw.
gui_begin() {
  local alsa=${1:-}
  [ "$alsa" = --alsa ] && shift
  pimlo=$1 shot_dir=$3
  [ -n "${DISPLAY:-}" ] || { echo "SKIP: no X display (run under xvfb-run)"; exit 77; }
  for tool in xdotool import python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
  done
  mkdir -p "$shot_dir"
  trap 'gui_kill; cleanup' EXIT
  work=$(make_temp)
  cp -R "$2/examples/." "$work/"
  if [ "$alsa" = --alsa ]; then
    : >"$work/alsa_output.raw"
    sed "s#@OUTPUT@#|cat >> $work/alsa_output.raw#" "$_gui_support_dir/alsa_file_output.conf.in" \
      >"$work/alsa.conf"
    export ALSA_CONFIG_PATH="$work/alsa.conf"
  fi
}

gui_kill() {
  if [ -n "$gui_pid" ] && kill -0 "$gui_pid" 2>/dev/null; then
    kill "$gui_pid" 2>/dev/null
    wait "$gui_pid" 2>/dev/null
  fi
  gui_pid=""
}

# gui_start DIR [VAR=VALUE...]: starts pimlo.x in DIR with the environment
# given (output in DIR/stdout and DIR/stderr); waits for its window.
gui_start() {
  local dir=$1
  gui_geometry="$dir/geometry"
  rm -f "$gui_geometry"
  (cd "$dir" && exec env PIMLO_TEST_GEOMETRY="$gui_geometry" "${@:2}" "$pimlo" >stdout 2>stderr) &
  gui_pid=$!
  gui_wait_for drill 30 || { bad "the window did not appear"; tail -5 "$dir/stdout" "$dir/stderr"; finish; }
}

# gui_until SECONDS COMMAND...: waits until COMMAND succeeds; false when
# pimlo.x ended first or the time ran out.
gui_until() {
  local i
  for ((i = 0; i < $1 * 20; i++)); do
    "${@:2}" && return 0
    kill -0 "$gui_pid" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}

# gui_wait_for NAME [SECONDS]: waits until widget NAME is on screen.
gui_wait_for() { gui_until "${2:-15}" grep -qs "^$1 " "$gui_geometry"; }

# gui_field NAME N: field N of widget NAME's line (2 = x ... 6 = sensitive).
gui_field() { awk -v n="$1" -v f="$2" '$1 == n { print $f }' "$gui_geometry"; }

gui_click() {
  local x y
  x=$(awk -v n="$1" '$1 == n { print int($2 + $4 / 2) }' "$gui_geometry")
  y=$(awk -v n="$1" '$1 == n { print int($3 + $5 / 2) }' "$gui_geometry")
  [ -n "$x" ] || { bad "no widget $1 on screen"; return 1; }
  xdotool mousemove "$x" "$y" click "$2"
  [ "$1" = drill ] || sleep 0.3
}

# gui_press_drill BUTTON [REPEAT]: presses the drill button with mouse
# button BUTTON (REPEAT times, 60 ms apart), then waits until the press was
# acted on (the count of "freed" went up) and the button is sensitive again.
_press_done() { [ "$(gui_field freed 2)" -gt "$before" ] && [ "$(gui_field drill 6)" = 1 ]; }
gui_press_drill() {
  local before
  before=$(gui_field freed 2)
  gui_click drill "$1"
  [ "${2:-1}" -gt 1 ] && xdotool click --repeat "$(($2 - 1))" --delay 60 "$1"
  gui_until 20 _press_done || bad "the press was not acted on, or the drill button stayed insensitive"
}

# gui_wait_exit: waits for pimlo.x to end; its status in $gui_status.
gui_wait_exit() {
  gui_until 20 false
  if kill -0 "$gui_pid" 2>/dev/null; then
    bad "pimlo.x did not end"
    gui_kill
    gui_status=-1
  else
    wait "$gui_pid"
    gui_status=$?
    gui_pid=""
  fi
}

expect_gui_status() { [ "$gui_status" = "$1" ] || bad "pimlo.x ended with $gui_status, expected $1"; }

# Closes the window as a window manager's close button does.
gui_wm_close() { python3 "$_gui_support_dir/wm_close.py" "$(gui_field xid 2)"; }

gui_screenshot() { import -window root "$shot_dir/$1.png"; }

# history_stats FILE: one line per entry of a history file, "NAME|Q->R|R->Q",
# each statistics line as its four numbers, a blank one as "-".
history_stats() {
  tr -d '\r' <"$1" | awk '
    function nums(line,   n, a, i, v, out) {
      n = split(line, a, ";")
      for (i = 1; i < n; i++) { v = a[i]; gsub(/ /, "", v); out = out (i > 1 ? " " : "") (v == "" ? "-" : v) }
      return out
    }
    /^#/ && !/^##/ && !/#####/ && !/END_OF_FILE/ {
      name = $0; sub(/^# */, "", name); sub(/ *\*.*/, "", name)
      getline q; getline r
      print name "|" nums(q) "|" nums(r)
    }'
}
