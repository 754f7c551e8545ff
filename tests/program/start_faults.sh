#!/usr/bin/env bash
# Faults met by the start-up while it brings the histories up to date: a
# broken history file, a working directory that cannot be written, a full
# disk, lesson files that are huge, binary or very long. Each run says what
# went wrong (or succeeds), and every history file afterwards is byte for
# byte what it was or what a sound rebuild makes of it; no temporary file
# is left behind.
set -u
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/fault_helpers.sh"
program=$1
no_window="cannot open the display, the window cannot be shown stop "

base=$(make_temp)
chmod 755 "$base"
make_catalogue "$base/catalogue"
case_dir="$base/case"

# What a sound rebuild of lesson 1 makes of its intact history.
copy_catalogue "$base/catalogue" "$case_dir"
(cd "$case_dir" && run ./pimlo.x)
expect_status 1
expect_output "$no_window"
rebuilt="$base/rebuilt_a"
cp "$case_dir/IDX1/idx1_a.txt" "$rebuilt"
expect_well_formed "$rebuilt"
[ "$(sed -n 4p "$rebuilt")" = "$(stat_line 5 1 100 90)"$'\r' ] || bad "the rebuild lost the answers of word1"
# The rebuild as it should be with the answers of word1 given as $1..$4.
rebuilt_with() { sed "4s/.*/$(stat_line "$@")\r/" "$rebuilt"; }

# --- Broken history files -------------------------------------------------
# Each row: how lesson 1's history is broken, the status, an output line,
# and what the history must be afterwards: "kept" (as broken, untouched) or
# the file it must equal.
break_history() {
  local file="$case_dir/IDX1/idx1_a.txt"
  case $1 in
    no_marker) sed -i '2d' "$file" ;;
    empty) : >"$file" ;;
    garbage) LC_ALL=C awk 'BEGIN { srand(7); for (i = 0; i < 3000; i++) printf "%c", int(rand() * 256) }' >"$file" ;;
    cut_after_key) sed -i '4,$d' "$file" ;;
    cut_after_first_line) sed -i '5,$d' "$file" ;;
    wrong_header) sed -i "1s/.*/not the header at all\r/" "$file" ;;
    key_without_star) sed -i "3s/.*/#word1 \r/" "$file" ;;
    lf_line_ends) sed -i 's/\r$//' "$file" ;;
    cr_line_ends) tr -d '\n' <"$file" >"$file.tmp" && mv "$file.tmp" "$file" ;;
    day_in_future) sed -i "4s/.*/$(stat_line 5 1 99999 90)\r/" "$file" ;;
    negative_count) sed -i "4s/.*/$(stat_line -5 1 100 90)\r/" "$file" ;;
    short_line) sed -i '4s/^ //' "$file" ;;
    long_line_between) { head -c 1048576 /dev/zero | tr '\0' x; echo; } | sed -i "5r /dev/stdin" "$file" ;;
  esac
}

check_broken_history() {
  local how=$1 status=$2 line=$3 after=$4
  copy_catalogue "$base/catalogue" "$case_dir"
  break_history "$how"
  age_files 1800 "$case_dir/IDX1/idx1_a.txt"
  cp "$case_dir/IDX1/idx1_a.txt" "$base/broken"
  cp "$case_dir/IDX1/idx1_b.txt" "$base/other"
  (cd "$case_dir" && run ./pimlo.x)
  expect_status "$status"
  expect_output "$line"
  case $after in
    kept) expect_same "$case_dir/IDX1/idx1_a.txt" "$base/broken" ;;
    *) expect_same "$case_dir/IDX1/idx1_a.txt" "$after" ;;
  esac
  expect_same "$case_dir/IDX1/idx1_b.txt" "$base/other"
  expect_no_temporaries "$case_dir"
}

rebuilt_with 0 1 0 90 >"$base/rebuilt_no_right"
while IFS='|' read -r how status line after; do
  check_broken_history "$how" "$status" "$line" "$after"
done <<EOF
no_marker|1|Error no detection of ####### stop |kept
empty|1|Error no detection of ####### stop |kept
garbage|1|Error no detection of ####### stop |kept
cut_after_key|3|IDX1_DICO error in reading fp_class |kept
cut_after_first_line|3|IDX1_DICO error in reading fp_class |kept
wrong_header|1|$no_window|$rebuilt
key_without_star|1|$no_window|$rebuilt
lf_line_ends|1|$no_window|$rebuilt
cr_line_ends|1|$no_window|$rebuilt
day_in_future|1|$no_window|$base/rebuilt_no_right
negative_count|1|$no_window|$base/rebuilt_no_right
short_line|1|$no_window|$rebuilt
long_line_between|1|$no_window|$rebuilt
EOF

# --- Files that cannot be written or read ---------------------------------
# Modes only stop a user without privileges: the runs below are made as one.
# Each row: what is made unwritable or unreadable, the status, an output line
# and whether lesson 1's history must be kept or rebuilt.
spoil() {
  case $1 in
    work_dir) chmod 555 "$case_dir" ;;
    history_dir) chmod 555 "$case_dir/IDX1" ;;
    lesson) chmod 000 "$case_dir/a.txt" ;;
    history) chmod 000 "$case_dir/IDX1/idx1_a.txt" ;;
    history_read_only) chmod 444 "$case_dir/IDX1/idx1_a.txt" ;;
  esac
}

check_spoilt() {
  local what=$1 status=$2 line=$3 after=$4
  copy_catalogue "$base/catalogue" "$case_dir"
  cp "$case_dir/IDX1/idx1_a.txt" "$base/before"
  give_away "$case_dir"
  spoil "$what"
  (cd "$case_dir" && run_unprivileged)
  chmod -R u+rwX "$case_dir"
  expect_status "$status"
  expect_output "$line"
  case $after in
    kept) expect_same "$case_dir/IDX1/idx1_a.txt" "$base/before" ;;
    *) expect_same "$case_dir/IDX1/idx1_a.txt" "$after" ;;
  esac
  expect_no_temporaries "$case_dir"
}

if can_run_unprivileged; then
  while IFS='|' read -r what status line after; do
    check_spoilt "$what" "$status" "$line" "$after"
  done <<EOF
work_dir|1|cannot create the log file pimlo_log in the working directory stop |kept
history_dir|1|UPDATE_IDX1_FILE cannot write ./IDX1/idx1_a.txt stop |kept
lesson|1|lesson file ./a.txt cannot be read, it is left out of the lessons |kept
history|1|UPDATE_IDX1_FILE cannot read ./IDX1/idx1_a.txt stop |kept
history_read_only|1|$no_window|$rebuilt
EOF
else
  echo "note: unwritable and unreadable files not checked: no unprivileged user can run $program"
fi

# --- A history directory whose parents are not there yet ---------------------
# They are made; where no directory can be made the start-up stops at once,
# naming it and the reason.
copy_catalogue "$base/catalogue" "$case_dir"
printf 'Path_idx1 :> ./store/hist/IDX1 <:\nWhich_lesson :>\n a.txt\n b.txt\n<:\n' >"$case_dir/pimlo.conf"
(cd "$case_dir" && run ./pimlo.x)
expect_status 1
expect_output "$no_window"
expect_well_formed "$case_dir/store/hist/IDX1/idx1_b.txt"
expect_file "$case_dir/store/hist/CPY/a.txt"
sed -i 's|store/hist|a.txt/hist|' "$case_dir/pimlo.conf"
(cd "$case_dir" && run ./pimlo.x)
expect_status 1
expect_output "cannot create the directory ./a.txt/hist/CPY: Not a directory stop "

# --- A full disk ------------------------------------------------------------
# A file-size limit below the history's size: the rebuild cannot be written.
# The program is not killed by the limit; it says so and keeps the history.
copy_catalogue "$base/catalogue" "$case_dir"
cp "$case_dir/IDX1/idx1_a.txt" "$base/before"
(cd "$case_dir" && ulimit -f 2 && run ./pimlo.x)
expect_status 1
expect_output "UPDATE_IDX1_FILE cannot write ./IDX1/idx1_a.txt stop "
expect_same "$case_dir/IDX1/idx1_a.txt" "$base/before"
expect_no_file "$case_dir/idx1_old"
expect_no_temporaries "$case_dir"

# A limit below the working copy's size: the copy cannot be refreshed.
copy_catalogue "$base/catalogue" "$case_dir"
(cd "$case_dir" && ulimit -f 1 && run ./pimlo.x)
expect_status 1
expect_output "CPY_ALL_LESSONS cannot copy lesson=1 ./a.txt to ./CPY/a.txt "
expect_same "$case_dir/IDX1/idx1_a.txt" "$base/before"
expect_no_temporaries "$case_dir"

# --- Lessons that are huge, binary or very long ------------------------------
# A question of 1 MB and an entry line of 1 MB: both entries are kept, the
# answers of word1 too.
copy_catalogue "$base/catalogue" "$case_dir"
megabyte=$(head -c 1048576 /dev/zero | tr '\0' y)
{
  animals 40
  printf '# %s * tag\nQ> long\nR> long\n# word41 *\nQ> %s\nR> r41\n' "$megabyte" "$megabyte"
} >"$case_dir/a.txt"
(cd "$case_dir" && run ./pimlo.x)
expect_status 1
expect_output "$no_window"
expect_well_formed "$case_dir/IDX1/idx1_a.txt"
[ "$(records_in "$case_dir/IDX1/idx1_a.txt")" = 42 ] || bad "not every entry of the lesson with 1 MB lines has its record"
[ "$(sed -n 4p "$case_dir/IDX1/idx1_a.txt")" = "$(stat_line 5 1 100 90)"$'\r' ] || bad "1 MB lines lost the answers of word1"
[ "$(LC_ALL=C awk 'length > 200' "$case_dir/IDX1/idx1_a.txt" | wc -l)" = 0 ] || bad "the history holds a 1 MB line"

# Binary garbage in place of lesson 2: the start-up goes through, lesson 2's
# history is rebuilt sound, lesson 1's is not touched.
copy_catalogue "$base/catalogue" "$case_dir"
cp "$case_dir/IDX1/idx1_a.txt" "$base/before"
LC_ALL=C awk 'BEGIN { srand(11); for (i = 0; i < 200000; i++) printf "%c", int(rand() * 256) }' >"$case_dir/b.txt"
age_files 3600 "$case_dir/a.txt"
(cd "$case_dir" && run ./pimlo.x)
expect_status 1
expect_output "$no_window"
expect_well_formed "$case_dir/IDX1/idx1_b.txt"
expect_same "$case_dir/IDX1/idx1_a.txt" "$base/before"

# A lesson of 20000 lines: every entry has its record, the last one too.
copy_catalogue "$base/catalogue" "$case_dir"
animals 6667 >"$case_dir/a.txt"
(cd "$case_dir" && run ./pimlo.x)
expect_status 1
expect_output "$no_window"
expect_well_formed "$case_dir/IDX1/idx1_a.txt"
[ "$(records_in "$case_dir/IDX1/idx1_a.txt")" = 6667 ] || bad "a lesson of 20000 lines lost entries"
grep -q '^#word6667 \*ani ' "$case_dir/IDX1/idx1_a.txt" || bad "no record of the last entry"
[ "$(sed -n 4p "$case_dir/IDX1/idx1_a.txt")" = "$(stat_line 5 1 100 90)"$'\r' ] || bad "20000 lines lost the answers of word1"

finish
