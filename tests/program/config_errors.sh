#!/usr/bin/env bash
# A broken pimlo.conf stops the program with its message and status before
# anything is written: no log file, no working copy, no history directory.
set -u
source "$(dirname "$0")/lib.sh"
pimlo=$1

work=$(make_temp)
cp "$pimlo" "$work/pimlo.x"
printf '!# ani\n# cat * \nQ> chat\nR> cat\n' >"$work/a.txt"

start_with_conf() {
  printf "$1" >"$work/pimlo.conf"
  (cd "$work" && run ./pimlo.x)
}

nothing_written() {
  expect_no_file "$work/pimlo_log"
  expect_no_file "$work/CPY"
  expect_no_file "$work/IDX1"
}

start_with_conf 'Which_lesson :>\n a.txt\n<:\nHoriz_pix :> 900 <:\n'
expect_status 1
expect_output "s=Horiz_pix :> 900 <: order unknown =-1 "
nothing_written

start_with_conf 'Coef_Err :> 8 4 2 6 <:\nWhich_lesson :>\n a.txt\n<:\n'
expect_status 1
expect_output "error in FLOAT_EXTRACT_LEVEL n_pages=4 nb_tobe=5 stop "
nothing_written

start_with_conf 'Which_lesson :>\n a.txt\n'
expect_status 2
expect_output "error 2 while reading in EXTRACT_PAGES stop "
nothing_written

start_with_conf 'Which_lesson :>\n a1->x.txt <:\n'
expect_status 13
nothing_written

start_with_conf '# only a comment\n'
expect_status 1
nothing_written

start_with_conf 'Which_lesson :>\n missing.txt\n<:\n'
expect_status 1
expect_output "none of the lesson files named in pimlo.conf exists stop "
nothing_written

# Blank lines and comments are fine.
start_with_conf '\n   \n# lessons\nWhich_lesson :>\n a.txt\n<:\n\n'
expect_file "$work/pimlo_log"

finish
