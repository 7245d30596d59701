#!/usr/bin/env bash
# The demo runs whose output must stay byte for byte the same: Print ALL and
# settings buttons 2 to 6 on a fresh demo facility each, with a fixed card
# date. Writes, per run, the printer trace and the files the run writes (the
# text cards, the meal-order file and working rosters, the settings file)
# into OUT/<run>/. With MANIFEST, checks them against its SHA-256 sums and
# names every file that differs; with --update MANIFEST, rewrites it (after
# a change of output that was meant, say why in the commit).
#   demo_runs.sh MEALCARDS MAKE_DEMO_FACILITY OUT [MANIFEST | --update MANIFEST]
set -euo pipefail
mealcards=$1 generator=$2 out=$3 mode=${4:-} manifest=${5:-${4:-}}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
for run in all 2 3 4 5 6; do
  drives=$work/$run
  "$generator" "$drives" >/dev/null
  mkdir -p "$out/$run"
  args=(print)
  [[ $run != all ]] && args=(print --set "$run")
  "$mealcards" --drives "$drives" --date 12-07-26 --pdf "$work/$run.pdf" \
    --trace "$out/$run/trace.jsonl" "${args[@]}" >/dev/null 2>"$work/$run.err" ||
    { echo "run $run failed:"; cat "$work/$run.err"; exit 1; }
  # Pictures are traced by their host path, which names this run's folder.
  sed -i "s|$drives|DRIVES|g" "$out/$run/trace.jsonl"
  find "$drives" -type f \( -iname 'TC.txt' -o -iname 'mealo.*' -o -iname 'xsfl*' -o -iname 'Mcardset.*' \) |
    while read -r f; do cp "$f" "$out/$run/$(basename "$f")"; done
done

sums=$(cd "$out" && find . -type f | LC_ALL=C sort | xargs sha256sum)
if [[ $mode == --update ]]; then
  echo "$sums" >"$manifest"
elif [[ -n $manifest ]]; then
  if ! diff <(echo "$sums") "$manifest" >"$out/differences"; then
    echo "The demo runs' output changed (left: now, right: expected; the files are in $out):"
    cat "$out/differences"
    exit 1
  fi
fi
