#!/usr/bin/env bash
# The benchmark run end to end on a tiny catalogue, so that it keeps working:
# every figure must come out, no time is checked.
#   smoke.sh PIMLO_BENCH PIMLO_X
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bench="$1"
pimlo="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

python3 "$here/make_catalogue.py" lessons "$work/cat" 4 12 60
if ! "$bench" "$pimlo" "$work/cat" "$here/make_catalogue.py" 1 "$work/result.tsv" \
  > "$work/stdout" 2> "$work/progress"; then
  cat "$work/progress"
  tail -20 "$work/stdout"
  exit 1
fi
python3 "$here/table.py" "4=$work/result.tsv" > "$work/table"

expected=("start-up, first (all built)" "start-up, nothing changed"
  "start-up, nothing changed, one range" "start-up, one lesson changed"
  "load a lesson of 1000 entries" "drill press" "record a drilled lesson" '"!new"' '"!worst"'
  '"!worsto"' '"!worsty"' '"!worstn"' '"!lessv"' '"!tag animal"' '"!ltag"' '"!stats"' '"!dico"'
  "peak memory, operations")
for name in "${expected[@]}"; do
  if ! grep -qF "| $name |" "$work/table"; then
    echo "missing from the benchmark table: $name"
    cat "$work/table"
    exit 1
  fi
done
# The catalogue was really used: histories built, a drill recorded, a dictionary written.
[ "$(ls "$work/cat/IDX1" | grep -c '^idx1_')" -eq 5 ]
grep -q "RECORD_LESSON" "$work/cat/pimlo_log" || grep -q "END_OF_FILE" "$work/cat/pimlo_dico"
echo "benchmark smoke run: ${#expected[@]} figures"
