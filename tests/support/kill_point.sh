# Sourced by the crash tests (after lib.sh): builds the preload library of
# kill_point.c and runs pimlo.x under it, so that the program dies by SIGKILL
# at the N-th call that changes a file of its working directory.
#
#   kill_point_build                 # once; sets $kill_point_lib
#   kill_point_vars DIR N            # env "${kill_point_vars[@]}" CMD runs
#                                    # CMD counting below DIR, killed at
#                                    # point N (0: never)
#   file_hashes DIR ARRAY            # sums of the kept files of DIR
#   expect_old_or_new / expect_new / expect_no_unfinished_copy
#                                    # compare run_hashes with old_hashes
#                                    # and new_hashes
#   give_answers DIR TODAY           # history files with answers in them
#   gui_start_counted DIR N          # pimlo.x on the display, counting
#                                    # from SIGUSR1 (window tests)
#
# The log is not counted: it is rewritten at every start and a kill there
# leaves the same history files as a kill at the next counted call.

_kill_point_src="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/kill_point.c"

kill_point_build() {
  local dir
  dir=$(make_temp)
  kill_point_lib="$dir/kill_point.so"
  cc -shared -fPIC -O1 -o "$kill_point_lib" "$_kill_point_src" -ldl || {
    bad "cannot build $_kill_point_src"
    finish
  }
}

# kill_point_vars DIR N: the environment (in the array kill_point_vars) that
# counts the changes below DIR and kills at point N (0: never).
kill_point_vars() {
  kill_point_vars=(LD_PRELOAD="$kill_point_lib" KILL_POINT_ROOT="$(cd "$1" && pwd -P)"
    KILL_POINT="$2" KILL_POINT_IGNORE="pimlo_log:geometry"
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
}

# file_hashes DIR ARRAY: fills the associative array ARRAY with the md5 sum
# of every file that a start or a recording keeps in DIR (working copies,
# history files and their backups, the last state), by path relative to DIR.
# One pass, few processes: the tests run it after every kill.
declare -A old_hashes=() new_hashes=() run_hashes=()
file_hashes() {
  local -n _hashes=$2
  local sum name
  _hashes=()
  while read -r sum name; do
    _hashes[$name]=$sum
  done < <(cd "$1" && {
    find CPY IDX1 -type f -print0 2>/dev/null
    find . -maxdepth 1 -type f -name 'Pimlo_last_state*' -printf '%f\0'
  } | xargs -0r md5sum)
}

# Names of files left by a write that a kill interrupted before its rename:
# never read, and removed by the next start.
is_unfinished_copy() { [[ "$1" =~ \.new[0-9]+_[0-9]+$ ]]; }

# expect_old_or_new WHAT: every kept file in run_hashes is as in old_hashes
# or as in new_hashes (absent counts as a version).
expect_old_or_new() {
  local f got
  for f in "${!run_hashes[@]}" "${!new_hashes[@]}"; do
    is_unfinished_copy "$f" && continue
    got=${run_hashes[$f]:-absent}
    [ "$got" = "${old_hashes[$f]:-absent}" ] || [ "$got" = "${new_hashes[$f]:-absent}" ] ||
      bad "$1: $f is neither its old nor its new version"
  done
}

# expect_new WHAT: the kept files in run_hashes are exactly those of
# new_hashes (a start removes the unfinished copies).
expect_new() {
  local f
  for f in "${!run_hashes[@]}" "${!new_hashes[@]}"; do
    [ "${run_hashes[$f]:-absent}" = "${new_hashes[$f]:-absent}" ] || bad "$1: $f differs"
  done
}

# expect_no_unfinished_copy WHAT: run_hashes holds none.
expect_no_unfinished_copy() {
  local f
  for f in "${!run_hashes[@]}"; do
    is_unfinished_copy "$f" && bad "$1: $f left behind"
  done
  return 0
}

# give_answers DIR TODAY: gives every record of the history files of DIR
# answers, in the program's own field layout: record k has k right answers
# and k mod 2 wrong ones Q->R, k + 1 right ones R->Q, on days before TODAY.
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

# gui_start_counted DIR N [VAR=VALUE...]: as gui_start (gui_session.sh), with
# the library: counting starts when the program gets SIGUSR1 (kill -USR1
# "$gui_pid"), and the program is killed at point N from there (0: never).
gui_start_counted() {
  local dir=$1
  kill_point_vars "$dir" "$2"
  gui_geometry="$dir/geometry"
  rm -f "$gui_geometry"
  (cd "$dir" && exec env PIMLO_TEST_GEOMETRY="$gui_geometry" "${kill_point_vars[@]}" \
    KILL_POINT_ARM=signal "${@:3}" "$pimlo" >"$dir/stdout" 2>"$dir/stderr") &
  gui_pid=$!
  gui_wait_for drill 30 || { bad "the window did not appear"; tail -n 5 "$dir/stdout"; finish; }
}
