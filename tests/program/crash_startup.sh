#!/usr/bin/env bash
# A start-up killed (SIGKILL) at each call that changes a file of its
# working directory, in two working directories: one seen for the first time
# (directories, working copies and history files all made), and one whose
# lessons were edited after their histories took real answers (copies
# refreshed, histories rebuilt with their old records). After every kill each
# working copy and history file is either as it was before or as a start
# without kill leaves it, and the next start ends with exactly that result,
# no unfinished copy left.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/../support/kill_point.sh"
pimlo=$1
kill_point_build
headless_end="cannot open the display, the window cannot be shown stop "
today=$((($(date -u -d "$(date +%F)" +%s) - $(date -u -d 2001-01-01 +%s)) / 86400))
now=$(date +%s)

# The lessons: ASCII with a text block, a nameless entry and a reference
# line; UTF-8 with accents; CP1252 with CR LF line ends; two small ones, so
# that the copies and histories of several lessons are synced together.
write_lessons() {
  local dir=$1
  mkdir -p "$dir/lessons"
  printf 'Which_lesson :>\n lessons/a.txt\n lessons/b.txt\n lessons/c.txt\n lessons/e.txt\n lessons/f.txt\n<:\nPath_idx1 :> ./IDX1 <:\n' \
    >"$dir/pimlo.conf"
  printf '%s\n' '!# epsilon' '# red * colour' 'Q> red' 'R> rouge' 'END_OF_FILE' >"$dir/lessons/e.txt"
  printf '%s\n' '!# phi' '# blue * colour' 'Q> blue' 'R> bleu' 'END_OF_FILE' >"$dir/lessons/f.txt"
  printf '%s\n' '!# alpha' 'Animals.' '#######' 'a text block' '#######' \
    '# the cat * animal pet' 'Q> the cat' 'R> le chat' \
    '# the dog * animal' 'Q> the dog' 'R> le chien' \
    '# the cow * farm' 'Q> the cow' 'R> la vache' \
    '#' 'Q> the horse' 'R> le cheval' \
    '## la maison *beta' 'END_OF_FILE' >"$dir/lessons/a.txt"
  printf '%s\n' '!# beta' '# la maison * lieu' 'Q> la maison' 'R> the house' \
    "# l'été * saison" "Q> l'été" 'R> summer' \
    '# le garçon * personne' 'Q> le garçon' 'R> the boy' 'END_OF_FILE' >"$dir/lessons/b.txt"
  printf '!# gamma\r\n# caf\xe9 * boisson\r\nQ> caf\xe9\r\nR> coffee\r\n# th\xe9 * boisson\r\nQ> th\xe9\r\nR> tea\r\nEND_OF_FILE\r\n' \
    >"$dir/lessons/c.txt"
}

# Edits lessons a, b and c of DIR and adds lesson d, all newer than the
# copies and histories: a gets an entry at its top, one renamed and one
# removed; b and c get new tags on one entry, c a new entry in its middle.
edit_lessons() {
  local dir=$1
  find "$dir" -type f -exec touch -d "@$((now - 7200))" {} +
  printf 'Which_lesson :>\n lessons/a.txt\n lessons/b.txt\n lessons/c.txt\n lessons/e.txt\n lessons/f.txt\n lessons/d.txt\n<:\nPath_idx1 :> ./IDX1 <:\n' \
    >"$dir/pimlo.conf"
  sed -i -e 's/^# the cat \*/# the bird * sky\nQ> the bird\nR> l'"'"'oiseau\n&/' \
    -e 's/^# the dog \*/# the hound */' -e '/^# the cow/,/^R> la vache/d' "$dir/lessons/a.txt"
  sed -i "s/^# l'été \* saison/# l'été * saison chaude/" "$dir/lessons/b.txt"
  printf '!# gamma\r\n# caf\xe9 * boisson chaude\r\nQ> caf\xe9\r\nR> coffee\r\n# eau * boisson\r\nQ> eau\r\nR> water\r\n# th\xe9 * boisson\r\nQ> th\xe9\r\nR> tea\r\nEND_OF_FILE\r\n' \
    >"$dir/lessons/c.txt"
  printf '%s\n' '!# delta' '# one * number' 'Q> one' 'R> un' 'END_OF_FILE' >"$dir/lessons/d.txt"
  printf '%s\n' '!# epsilon' '# red * colour' 'Q> red' 'R> rouge' '# green * colour' 'Q> green' 'R> vert' \
    'END_OF_FILE' >"$dir/lessons/e.txt"
  touch -d "@$((now - 3600))" "$dir"/lessons/{a,b,c,d,e}.txt
}

# kill_every_point NAME BEFORE: runs the start-up of a copy of BEFORE once
# without kill, then once killed at each point it counted, and checks each.
kill_every_point() {
  local name=$1 before=$2 clean total n run points=0
  clean=$(make_temp)
  cp -a "$before/." "$clean/"
  kill_point_vars "$clean" 0
  (cd "$clean" && env -u DISPLAY "${kill_point_vars[@]}" KILL_POINT_COUNT="$clean.count" \
    "$pimlo" >"$clean.out" </dev/null)
  total=$(cat "$clean.count" 2>/dev/null || echo 0)
  grep -qxF "$headless_end" "$clean.out" || bad "$name: the start without kill failed: $(tail -2 "$clean.out")"
  [ "$total" -gt 5 ] || bad "$name: only $total points counted"
  file_hashes "$before" old_hashes
  file_hashes "$clean" new_hashes
  run=$(make_temp)
  for ((n = 1; n <= total; n++)); do
    rm -rf "$run" && cp -a "$before" "$run"
    kill_point_vars "$run" "$n"
    # timeout passes the SIGKILL on to itself: bash would report it.
    (cd "$run" && run env "${kill_point_vars[@]}" "$pimlo") 2>/dev/null
    expect_status 137
    file_hashes "$run" run_hashes
    expect_old_or_new "$name, killed at point $n"
    (cd "$run" && run "$pimlo")
    expect_status 1
    expect_output "$headless_end"
    file_hashes "$run" run_hashes
    expect_new "$name, killed at point $n, then started again"
    points=$((points + 1))
  done
  echo "$name: $points kill points"
  kill_runs=$((kill_runs + points))
  clean_result=$clean
}
kill_runs=0

# A working directory seen for the first time.
first=$(make_temp)
write_lessons "$first"
kill_every_point "first start" "$first"

# The same lessons with answered histories, then edited.
edited=$(make_temp)
write_lessons "$edited"
(cd "$edited" && run "$pimlo")
expect_output "$headless_end"
give_answers "$edited" "$today"
edit_lessons "$edited"
kill_every_point "rebuild after edits" "$edited"
# The rebuild kept the answers of the entries whose names stayed: only the
# new and the renamed entries start blank.
for lesson_blank in a:4 b:0 c:2; do
  blank=$(grep -cE '^( {12};){4}'$'\r''$' "$clean_result/IDX1/idx1_${lesson_blank%:*}.txt")
  [ "$blank" = "${lesson_blank#*:}" ] ||
    bad "rebuild after edits: $blank blank statistics lines in idx1_${lesson_blank%:*}.txt"
done

echo "$kill_runs start-ups killed"
finish
