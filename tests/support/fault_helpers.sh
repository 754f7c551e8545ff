# Helpers of the fault tests: a catalogue of two lessons built by a real
# start-up, history files checked byte for byte and for their layout, and a
# way to run pimlo.x as an unprivileged user (permissions do not stop root).
# Sourced after lib.sh.

# 12-character number field: the number centred, the odd space after it.
field() {
  local lead=$(((12 - ${#1}) / 2))
  printf '%*s%s%*s' "$lead" '' "$1" $((12 - ${#1} - lead)) ''
}
stat_line() { printf '%s;%s;%s;%s;' "$(field "$1")" "$(field "$2")" "$(field "$3")" "$(field "$4")"; }

# Lesson "ani": $1 entries "word<i>", three lines each.
animals() {
  echo '!# ani'
  local i
  for ((i = 1; i <= $1; i++)); do printf '# word%d * tag\nQ> q%d\nR> r%d\n' "$i" "$i" "$i"; done
}

as_root() { [ "$(id -u)" = 0 ]; }

# Runs pimlo.x in the current directory as a user without privileges, so
# that file modes count; a non-root tester already is one.
run_unprivileged() {
  if as_root; then
    run setpriv --reuid=65534 --regid=65534 --clear-groups ./pimlo.x
  else
    run ./pimlo.x
  fi
}

# Whether run_unprivileged can start pimlo.x: as root it needs setpriv and a
# path to the executable that the unprivileged user may follow.
can_run_unprivileged() {
  as_root || return 0
  command -v setpriv >/dev/null &&
    setpriv --reuid=65534 --regid=65534 --clear-groups test -x "$(readlink -f "$program")"
}

# Gives the working directory $1 to the unprivileged user.
give_away() { if as_root; then chown -R 65534:65534 "$1"; fi; }

# Sets the modification time of the files $2... to $1 seconds ago.
age_files() {
  local ago=$1
  shift
  touch -d "@$(($(date +%s) - ago))" "$@"
}

# Makes a base catalogue in $1: lesson 1 "a.txt" (ani, 40 entries), lesson 2
# "b.txt" (bo); built by one start-up, with answers recorded for word1
# (5 right, 1 wrong, days 100 and 90), lessons an hour old, working copies
# and histories half an hour old.
make_catalogue() {
  local dir=$1
  mkdir -p "$dir"
  chmod 755 "$dir"
  ln -sf "$program" "$dir/pimlo.x"
  printf 'Which_lesson :>\n a.txt\n b.txt\n<:\n' >"$dir/pimlo.conf"
  animals 40 >"$dir/a.txt"
  printf '!# bo\n# one *\nQ> un\nR> one\n## word2 *ani\n' >"$dir/b.txt"
  (cd "$dir" && run ./pimlo.x)
  expect_output "cannot open the display, the window cannot be shown stop "
  sed -i "4s/.*/$(stat_line 5 1 100 90)\r/" "$dir/IDX1/idx1_a.txt"
  rm -f "$dir/pimlo_log" "$dir/idx1_old"
  age_files 3600 "$dir/a.txt" "$dir/b.txt" "$dir/pimlo.conf"
  age_files 1800 "$dir"/CPY/* "$dir"/IDX1/*
}

# A fresh copy $2 of the catalogue $1, and the lesson "a.txt" edited so that
# the next start-up rebuilds its history.
copy_catalogue() {
  rm -rf "$2"
  cp -a "$1" "$2"
  age_files 60 "$2/a.txt"
}

# The file $1 is byte for byte the file $2.
expect_same() {
  cmp -s "$1" "$2" || { bad "$1 differs from $2"; cmp "$1" "$2" | sed 's/^/  | /'; }
}

# No temporary file of a rewrite is left in the working directory $1.
expect_no_temporaries() {
  local left
  left=$(find "$1" -name '*.new[0-9]*' | head -3)
  [ -z "$left" ] || bad "temporary files left: $left"
}

# A history file as a rebuild writes it: every line ended by CR LF, the
# marker line second, the end line last, every key line followed by two
# statistics lines of 52 characters.
expect_well_formed() {
  local problem
  problem=$(tr -d '\r' <"$1" | LC_ALL=C awk '
    NR == 2 && $0 != "#####################################################" { print "no marker line"; exit }
    need > 0 {
      if (length($0) != 52 || substr($0, 13, 1) substr($0, 26, 1) substr($0, 39, 1) substr($0, 52, 1) != ";;;;") {
        print "bad statistics line " NR; exit
      }
      need--; next
    }
    NR > 2 && /^#[^#]/ && !/END_OF_FILE/ { need = 2 }
    { last = $0 }
    END { if (need > 0) print "record cut short"; else if (last !~ /^# END_OF_FILE \* /) print "no end line" }')
  [ "$(grep -ac $'\r$' "$1")" = "$(wc -l <"$1")" ] || problem="$problem lines without CR LF"
  [ -z "$problem" ] || bad "$1: $problem"
}

# Number of records (key lines) of the history file $1.
records_in() { tr -d '\r' <"$1" | grep -ac '^#[^#].*\*ani ' || true; }
