#!/usr/bin/env bash
# A full disk, files that cannot be written or read, a history directory
# that cannot be made: the start-up says so, and every history is what it
# was or what a sound rebuild makes of it, no temporary file left.
set -u
source "$(dirname "$0")/../support/lib.sh"
program=$1

# The catalogue: lesson 1 "a.txt" (ani, 40 entries), lesson 2 "b.txt", built
# by one start-up; the histories older than the lessons.
base=$(make_temp)
chmod 755 "$base"
catalogue="$base/catalogue" case_dir="$base/case"
mkdir "$catalogue"
ln -s "$program" "$catalogue/pimlo.x"
printf 'Which_lesson :>\n a.txt\n b.txt\n<:\n' >"$catalogue/pimlo.conf"
{
  echo '!# ani'
  for ((i = 1; i <= 40; i++)); do printf '# word%d * tag\nQ> q%d\nR> r%d\n' "$i" "$i" "$i"; done
} >"$catalogue/a.txt"
printf '!# bo\n# one *\nQ> un\nR> one\n## word2 *ani\n' >"$catalogue/b.txt"
(cd "$catalogue" && run ./pimlo.x)
expect_output "$headless_end"
rm -f "$catalogue/pimlo_log" "$catalogue/idx1_old"
touch -d "@$((now - 3600))" "$catalogue"/*.txt "$catalogue/pimlo.conf"
touch -d "@$((now - 1800))" "$catalogue"/CPY/* "$catalogue"/IDX1/*

# A fresh copy of the catalogue whose lesson 1 was edited since its history.
fresh_case() {
  rm -rf "$case_dir"
  cp -a "$catalogue" "$case_dir"
  touch -d "@$((now - 60))" "$case_dir/a.txt"
}

expect_same() { cmp -s "$1" "$2" || bad "$1 differs from $2"; }

# Runs pimlo.x as a user without privileges, so that file modes count.
as_user() {
  if [ "$(id -u)" = 0 ]; then run setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else run "$@"; fi
}
can_run_as_user() {
  [ "$(id -u)" != 0 ] || { command -v setpriv >/dev/null &&
    setpriv --reuid=65534 --regid=65534 --clear-groups test -x "$(readlink -f "$program")"; }
}

# What a sound rebuild of lesson 1 makes of its history.
fresh_case
(cd "$case_dir" && run ./pimlo.x)
expect_output "$headless_end"
cp "$case_dir/IDX1/idx1_a.txt" "$base/rebuilt"

# check HOW STATUS LINE AFTER: HOW is run in a fresh case (with "user:" the
# program runs without privileges; a file-size limit applies to it only);
# then pimlo.x must end with STATUS and the output LINE, lesson 1's history
# be as HOW left it ("kept") or as the sound rebuild ("rebuilt"), lesson 2's
# as it was.
check() {
  local how=$1 as=run
  fresh_case
  if [[ $how == user:* ]]; then
    can_run_as_user || { echo "note: '$how' not checked: no unprivileged user can run pimlo.x"; return; }
    how=${how#user:} as=as_user
    [ "$(id -u)" = 0 ] && chown -R 65534:65534 "$case_dir"
  fi
  if [[ $how != ulimit* ]]; then
    (cd "$case_dir" && eval "$how" && touch -d "@$((now - 1800))" IDX1/idx1_a.txt)
  fi
  cp "$case_dir/IDX1/idx1_a.txt" "$base/kept"
  (cd "$case_dir" && { [[ $how != ulimit* ]] || eval "$how"; } && $as ./pimlo.x)
  chmod -R u+rwX "$case_dir"
  expect_status "$2"
  expect_output "$3"
  expect_same "$case_dir/IDX1/idx1_a.txt" "$base/$4"
  expect_same "$case_dir/IDX1/idx1_b.txt" "$catalogue/IDX1/idx1_b.txt"
  [ -z "$(find "$case_dir" -name '*.new[0-9]*')" ] || bad "$how: temporary files left"
}

while IFS='|' read -r how status line after; do check "$how" "$status" "$line" "$after"; done <<EOF
sed -i 's/\r\$//' IDX1/idx1_a.txt|1|$headless_end|rebuilt
ulimit -f 2|1|UPDATE_IDX1_FILE cannot write ./IDX1/idx1_a.txt stop |kept
ulimit -f 1|1|CPY_ALL_LESSONS cannot copy lesson=1 ./a.txt to ./CPY/a.txt |kept
user:chmod 555 .|1|cannot create the log file pimlo_log in the working directory stop |kept
user:chmod 555 IDX1|1|UPDATE_IDX1_FILE cannot write ./IDX1/idx1_a.txt stop |kept
user:chmod 000 a.txt|1|lesson file ./a.txt cannot be read, it is left out of the lessons |kept
user:chmod 000 IDX1/idx1_a.txt|1|UPDATE_IDX1_FILE cannot read ./IDX1/idx1_a.txt stop |kept
EOF

# A history directory whose parents are missing: they are made; where no
# directory can be made the start-up stops, naming it and the reason.
fresh_case
printf 'Path_idx1 :> ./store/hist/IDX1 <:\nWhich_lesson :>\n a.txt\n b.txt\n<:\n' >"$case_dir/pimlo.conf"
(cd "$case_dir" && run ./pimlo.x)
expect_output "$headless_end"
expect_file "$case_dir/store/hist/IDX1/idx1_b.txt"
expect_file "$case_dir/store/hist/CPY/a.txt"
sed -i 's|store/hist|a.txt/hist|' "$case_dir/pimlo.conf"
(cd "$case_dir" && run ./pimlo.x)
expect_status 1
expect_output "cannot create the directory ./a.txt/hist/CPY: Not a directory stop "
finish
