#!/usr/bin/env bash
# The demo runs whose output must stay byte for byte the same: Print ALL and
# settings buttons 2 to 6 on a fresh demo facility each, with a fixed card
# date. Writes, per run, the printer trace and the files the run writes (the
# text cards, the meal-order file and working rosters, the settings file)
# into OUT/<run>/, and their summary (summarise.sh: each page's text by rows
# and a digest of all it draws, a digest per file) into OUT/<run>.summary.
# With GOLDEN, checks the summaries against GOLDEN/<run>.summary and names
# the run, page and row of every difference; with --update GOLDEN, rewrites
# them (after a change of output that was meant, say why in the commit).
#   demo_runs.sh MEALCARDS MAKE_DEMO_FACILITY OUT [GOLDEN | --update GOLDEN]
set -euo pipefail
mealcards=$1 generator=$2 out=$3 mode=${4:-} golden=${5:-${4:-}}
here=$(cd "$(dirname "$0")" && pwd)
runs=(all 2 3 4 5 6)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$out"
for run in "${runs[@]}"; do
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

# Each summary line with the run and page it belongs to, so that a
# difference names them.
placed() {
  awk -v run="$1" '/^page /{where = "page " $2} /^file /{where = ""}
    {print "run " run (where != "" && /^  / ? ", " where : "") ": " $0}' "$2"
}
differences=0
for run in "${runs[@]}"; do
  bash "$here/summarise.sh" "$out/$run" >"$out/$run.summary"
  if [[ $mode == --update ]]; then
    cp "$out/$run.summary" "$golden/$run.summary"
  elif [[ -n $golden ]] && ! cmp -s "$out/$run.summary" "$golden/$run.summary"; then
    if ((differences == 0)); then
      echo "The demo runs' output changed (-: expected, +: now; the files are in $out):"
    fi
    diff <(placed "$run" "$golden/$run.summary" 2>/dev/null || true) <(placed "$run" "$out/$run.summary") |
      sed -n 's/^< /- /p; s/^> /+ /p'
    differences=1
  fi
done
exit $differences
