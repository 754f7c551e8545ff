#!/usr/bin/env bash
# The executable's name and the search for pimlo.conf: the current directory
# first, then the executable's own directory, nothing else.
set -u
source "$(dirname "$0")/lib.sh"
pimlo=$1

work=$(make_temp)
mkdir -p "$work/bin" "$work/elsewhere" "$work/lessons"
cp "$pimlo" "$work/bin/prog.x"
cp "$pimlo" "$work/bin/prog"
cp "$pimlo" "$work/bin/prog.X"

# A name that does not end in ".x" is refused before anything else.
(cd "$work/elsewhere" && run ../bin/prog)
expect_status 1
expect_output "error not .x at end of argv[0]=../bin/prog@@@@ "
(cd "$work/elsewhere" && run ../bin/prog.X)
expect_status 1

# No configuration anywhere: a path without a directory part says so.
(cd "$work/bin" && PATH="$work/bin:$PATH" run prog.x)
expect_status 1
expect_output "file ./pimlo.conf unreachable stop "

# The executable's directory has none either.
(cd "$work/elsewhere" && run ../bin/prog.x)
expect_status 1
expect_output "s_prov_fich=../bin/pimlo.conf "
expect_output "file ./pimlo.conf unreachable stop "

# A backslash as the last separator is not understood.
cp "$pimlo" "$work/elsewhere/x\\prog.x"
(cd "$work/elsewhere" && run './x\prog.x')
expect_status 1
expect_output '(*trf_work_dir).s_work_dir=./x\ '
expect_output "I don't understand stop"

# Found in the executable's directory: the program works there, so the log
# is created beside the executable and not where it was started.
printf 'Which_lesson :>\n a.txt\n<:\n' >"$work/bin/pimlo.conf"
printf '!# ani\n# cat * \nQ> chat\nR> cat\n' >"$work/bin/a.txt"
(cd "$work/elsewhere" && run ../bin/prog.x)
expect_file "$work/bin/pimlo_log"
expect_no_file "$work/elsewhere/pimlo_log"

# Found in the current directory: that one wins.
cp "$work/bin/pimlo.conf" "$work/bin/a.txt" "$work/elsewhere/"
rm -f "$work/bin/pimlo_log"
(cd "$work/elsewhere" && run ../bin/prog.x)
expect_file "$work/elsewhere/pimlo_log"
expect_no_file "$work/bin/pimlo_log"

finish
