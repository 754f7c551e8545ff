# Sourced by the crash tests (after lib.sh): runs pimlo.x under the preload
# library of kill_point.c, which kills it (SIGKILL) at the N-th call that
# changes a file of its working directory, and compares the files kept
# (working copies, histories and their backups, the last state) with their
# old and new versions. The log is not counted: it is rewritten at every
# start, and a kill there leaves what a kill at the next counted call does.
_kill_point_src="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/kill_point.c"

kill_point_build() {
  kill_point_lib="$(make_temp)/kill_point.so"
  cc -shared -fPIC -O1 -o "$kill_point_lib" "$_kill_point_src" -ldl || { bad "cannot build kill_point.c"; finish; }
}

# kill_point_vars DIR N: the environment (array kill_point_vars) that counts
# the changes below DIR and kills at point N (0: never).
kill_point_vars() {
  kill_point_vars=(LD_PRELOAD="$kill_point_lib" KILL_POINT_ROOT="$(cd "$1" && pwd -P)" KILL_POINT="$2"
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
}

# file_hashes DIR ARRAY: the md5 sum of every kept file of DIR, by path.
declare -A old_hashes=() new_hashes=() run_hashes=()
file_hashes() {
  local -n _hashes=$2
  local sum name
  _hashes=()
  while read -r sum name; do _hashes[$name]=$sum; done < <(cd "$1" && {
    find CPY IDX1 -type f -print0 2>/dev/null
    find . -maxdepth 1 -type f -name 'Pimlo_last_state*' -printf '%f\0'
  } | xargs -0r md5sum)
}

# expect_versions WHAT MODE: checks the kept files of run_hashes against
# old_hashes and new_hashes (absent counts as a version). MODE killed: each
# is its old or new version, copies left unfinished by the kill
# (NAME.newPID_N) allowed; restarted: the same, none unfinished; new:
# exactly the new versions; finished: none unfinished, nothing more.
expect_versions() {
  local f got
  for f in "${!run_hashes[@]}" "${!new_hashes[@]}"; do
    got=${run_hashes[$f]:-absent}
    if [[ "$f" =~ \.new[0-9]+_[0-9]+$ ]]; then
      [ "$2" = killed ] || bad "$1: $f left behind"
    elif [ "$2" != finished ] && [ "$got" != "${new_hashes[$f]:-absent}" ] &&
      { [ "$2" = new ] || [ "$got" != "${old_hashes[$f]:-absent}" ]; }; then
      bad "$1: $f is not its old or new version ($2)"
    fi
  done
}

# kill_points TRACE [K]: a sample of the points of a run the library traced
# ("N CALL PATH" lines): the first, each rename (with K, also the call
# before it and every K-th), and the one after the last change of a history.
kill_points() {
  awk -v k="${2:-0}" '$2 ~ /^rename/ { if (k) print $1 - 1; print $1 } NR == 1 || (k && NR % k == 0) { print $1 }
       $3 ~ /\/IDX1(\/|$)/ { last = $1 } END { print last + 1 }' "$1" | sort -nu |
    awk -v max="$(wc -l <"$1")" '$1 >= 1 && $1 <= max'
}

# give_answers DIR TODAY: gives every record of the history files of DIR
# answers: record k has k right answers and k mod 2 wrong ones Q->R, k + 1
# right ones R->Q, on days before TODAY.
give_answers() {
  local f
  for f in "$1"/IDX1/idx1_*; do
    awk -v today="$2" '
      function field(n,   s) { s = n ""; return sprintf("%-12s", sprintf("%" int((12 - length(s)) / 2) "s%s", "", s)) }
      function line(a, b, c, d) { printf "%s;%s;%s;%s;\r\n", field(a), field(b), field(c), field(d) }
      rest == 2 { line(k, k % 2, today - k, k % 2 ? today - 2 * k : 0); rest = 1; next }
      rest == 1 { line(k + 1, 0, today - 1, 0); rest = 0; next }
      FNR > 2 && /^#[^#]/ && !/#######/ && !/END_OF_FILE/ { k++; rest = 2 }
      { print }' "$f" >"$f.tmp" && mv "$f.tmp" "$f"
  done
}

# The recording crash tests (window tests). recording_begin: in $work, a
# lesson "small" whose reference line takes an entry of lesson "big", built
# by a start without window, with answers in both histories.
recording_begin() {
  kill_point_build
  sed -i '/^Which_lesson :>/,/^<:/c\Which_lesson :>\n lessons/small.txt\n lessons/big.txt\n<:' "$work/pimlo.conf"
  printf '%s\n' '!# small' '# the cat * pet' 'Q> the cat' 'R> le chat' '##la maison *big' 'END_OF_FILE' \
    >"$work/lessons/small.txt"
  printf '%s\n' '!# big' '# le garçon * personne' 'Q> le garçon' 'R> the boy' \
    '# la maison * lieu' 'Q> la maison' 'R> the house' 'END_OF_FILE' >"$work/lessons/big.txt"
  (cd "$work" && run "$pimlo")
  expect_output "$headless_end"
  give_answers "$work" "$today"
  rm -f "$work/pimlo_log" "$work/idx1_old"
}

# recording DIR N [boxes]: pimlo.x in DIR, killed at point N (0: never) of
# the changes counted from Quit on: both entries answered wrong once, then
# Quit answered Yes; with "boxes", each message box that follows is closed
# with Enter (one Enter per geometry dump, as a box may follow another).
_box_shown() { kill -0 "$gui_pid" 2>/dev/null && grep -qE '^dialog:(ok|raz) ' "$gui_geometry"; }
recording() {
  local was
  kill_point_vars "$1" "$2"
  gui_start "$1" "${kill_point_vars[@]}" KILL_POINT_ARM=signal KILL_POINT_TRACE="$1.trace"
  for button in 1 1 1 3 1 3; do gui_press_drill $button; done
  kill -USR1 "$gui_pid"
  gui_click quit 1
  gui_wait_for dialog:yes || bad "Quit during a drill asked nothing"
  xdotool key Return
  while [ "${3:-}" = boxes ] && gui_until 20 _box_shown; do
    was=$(gui_field serial 2)
    xdotool key Return
    gui_until 10 eval '[ "$(gui_field serial 2)" != "$was" ]'
    sleep 0.2
  done
  gui_wait_exit 2>/dev/null # a kill is reported when the job is reaped
}

# expect_all_or_nothing WHAT: the histories that the run without kill
# changed are, in run_hashes, all their new versions or all their old ones.
expect_all_or_nothing() {
  local f recorded=0 not=0
  for f in "${!new_hashes[@]}"; do
    [[ "$f" == IDX1/idx1_* ]] && [ "${new_hashes[$f]}" != "${old_hashes[$f]:-absent}" ] || continue
    if [ "${run_hashes[$f]:-absent}" = "${new_hashes[$f]}" ]; then
      recorded=$((recorded + 1))
    else
      not=$((not + 1))
    fi
  done
  [ $((recorded * not)) = 0 ] || bad "$1: $recorded histories recorded, $not not"
}

# kill_each NAME BEFORE RUNNER: for each point N of the sample of the run
# without kill traced in $clean.trace (every $kill_every-th point too, when
# set), a copy of BEFORE given to "RUNNER DIR N", which runs pimlo.x there
# killed at point N. After each kill, killed_hook DIR N (the caller's, if
# any) may accept a version of its own, then every kept file is its old
# version (BEFORE) or its new one ($clean); the next start works and leaves
# the versions $restart_check (expect_versions mode, default restarted),
# with $all_or_nothing every history of the recording new or every one old.
# With $kill_budget (seconds since SECONDS was last set), a slow machine
# covers fewer points rather than overrun the time limit.
kill_each() {
  local n run_dir points
  file_hashes "$2" old_hashes
  file_hashes "$clean" new_hashes
  run_dir=$(make_temp)
  points=$(kill_points "$clean.trace" "${kill_every:-0}")
  for n in $points; do
    [ "$SECONDS" -lt "${kill_budget:-999999}" ] || { echo "time budget spent: points from $n on not run"; break; }
    rm -rf "$run_dir" "$run_dir.trace" && cp -a "$2" "$run_dir"
    "$3" "$run_dir" "$n"
    file_hashes "$run_dir" run_hashes
    if declare -F killed_hook >/dev/null; then killed_hook "$run_dir" "$n"; fi
    expect_versions "$1, killed at point $n" killed
    (cd "$run_dir" && run "$pimlo")
    expect_status 1
    expect_output "$headless_end"
    file_hashes "$run_dir" run_hashes
    expect_versions "$1, killed at point $n, then started again" "${restart_check:-restarted}"
    [ -z "${all_or_nothing:-}" ] || expect_all_or_nothing "$1, killed at point $n, then started again"
  done
  echo "$1: killed at points $(echo $points) of $(wc -l <"$clean.trace")"
}

# kill_recordings NAME [boxes]: kill_each on the recording of a copy of
# $before (recording, above), killed with status 137, within a time budget
# of its own.
kill_recordings() {
  SECONDS=0 kill_budget=80
  recording_boxes=${2:-}
  kill_each "$1" "$before" killed_recording
}
killed_recording() {
  recording "$1" "$2" "$recording_boxes"
  expect_gui_status 137
}
