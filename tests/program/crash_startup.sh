#!/usr/bin/env bash
# A start-up killed (SIGKILL) at a sample of its file changes, first start
# and rebuild after edits: each working copy and history is as it was or as
# a start without kill leaves it, and the next start ends with the latter.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/lib.sh"
source "$here/../support/kill_point.sh"
pimlo=$1
kill_point_build

# ASCII with a text block, a nameless entry and a reference line; UTF-8
# with accents.
write_lessons() {
  mkdir -p "$1/lessons"
  printf 'Which_lesson :>\n lessons/a.txt\n lessons/b.txt\n%s<:\nPath_idx1 :> ./IDX1 <:\n' \
    "${2:-}" >"$1/pimlo.conf"
  printf '%s\n' '!# alpha' 'Animals.' '#######' 'a text block' '#######' \
    '# the cat * animal pet' 'Q> the cat' 'R> le chat' '# the dog * animal' 'Q> the dog' 'R> le chien' \
    '# the cow * farm' 'Q> the cow' 'R> la vache' '#' 'Q> the horse' 'R> le cheval' \
    '## la maison *beta' 'END_OF_FILE' >"$1/lessons/a.txt"
  printf '%s\n' '!# beta' '# la maison * lieu' 'Q> la maison' 'R> the house' \
    "# l'été * saison" "Q> l'été" 'R> summer' \
    '# le garçon * personne' 'Q> le garçon' 'R> the boy' 'END_OF_FILE' >"$1/lessons/b.txt"
}

# Edits the lessons of $1 and adds lesson d, all newer than the copies and
# histories: a gets an entry at its top, one renamed and one removed; b new
# tags on one entry.
edit_lessons() {
  find "$1" -type f -exec touch -d "@$((now - 7200))" {} +
  write_lessons "$1" " lessons/d.txt"$'\n'
  sed -i -e 's/^# the cat \*/# the bird * sky\nQ> the bird\nR> l'"'"'oiseau\n&/' \
    -e 's/^# the dog \*/# the hound */' -e '/^# the cow/,/^R> la vache/d' "$1/lessons/a.txt"
  sed -i "s/^# l'été \* saison/# l'été * saison chaude/" "$1/lessons/b.txt"
  printf '%s\n' '!# delta' '# one * number' 'Q> one' 'R> un' 'END_OF_FILE' >"$1/lessons/d.txt"
  touch -d "@$((now - 3600))" "$1"/lessons/*.txt
}

# kill_at_points NAME BEFORE: the start-up of a copy of BEFORE, once without
# kill (into $clean), then killed at each point of the sample.
kill_at_points() {
  clean=$(make_temp)
  cp -a "$2/." "$clean/"
  killed_start "$clean" 0
  kill_each "$1" "$2" killed_start
}
# killed_start DIR N: the start-up in DIR, killed at point N (0: never, then
# traced in DIR.trace).
killed_start() {
  kill_point_vars "$1" "$2"
  (cd "$1" && run env "${kill_point_vars[@]}" KILL_POINT_TRACE="$1.trace" "$pimlo") 2>/dev/null
  if [ "$2" = 0 ]; then expect_output "$headless_end"; else expect_status 137; fi
}
kill_every=3 restart_check=new

first=$(make_temp)
write_lessons "$first"
kill_at_points "first start" "$first"

edited=$(make_temp)
write_lessons "$edited"
(cd "$edited" && run "$pimlo")
expect_output "$headless_end"
give_answers "$edited" "$today"
edit_lessons "$edited"
kill_at_points "rebuild after edits" "$edited"
finish
