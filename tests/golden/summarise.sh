#!/usr/bin/env bash
# A demo run's output as a reviewer reads it: per printed page, one digest
# of all its drawing calls in order, then its text by rows (top to bottom,
# each row's pieces left to right with their x, a font named where it
# changes, the same text repeated in a row given once with its xs); then a
# digest per file the run wrote, and per card of the text card file. A
# change of text names its page and row; any other change of a page (a
# line, a picture, the drawing order) names the page.
#   summarise.sh RUN_DIR   (a folder demo_runs.sh wrote: trace.jsonl, files)
set -euo pipefail
dir=$1
digest() { sha256sum | cut -c1-16; }

pages=$(mktemp -d)
trap 'rm -rf "$pages"' EXIT
# One file per page: the records up to and including its newpage/enddoc.
awk -v out="$pages" '
  { file = sprintf("%s/%04d", out, n + 1); print > file }
  /"op":"(newpage|enddoc)"/ { close(file); n++ }
' "$dir/trace.jsonl"

for page in "$pages"/*; do
  echo "page $((10#$(basename "$page")))  $(digest <"$page")"
  jq -r -s '
    def font: "{\(.font) \(.size)" + (if .bold then " bold" else "" end) + (if .italic then " italic" else "" end)
      + (if .underline then " underline" else "" end) + (if .color != 0 then " color \(.color)" else "" end) + "}";
    [.[] | select(.op == "text") | . + {f: font}] | sort_by(.y, .x) as $t
    | [range(0; $t | length) as $i | $t[$i] + {show: ($i == 0 or $t[$i].f != $t[$i - 1].f)}]
    | group_by(.y)[]
    # The same text again in the same font, as in the three columns of a
    # card, is one piece with its xs.
    | reduce .[] as $p ([]; if length > 0 and (.[-1].s == $p.s) and ($p.show | not)
                            then .[-1].xs += [$p.x] else . + [$p + {xs: [$p.x]}] end)
    | "  \(.[0].y):" + (map(" \(.xs | map(tostring) | join(","))" + (if .show then " \(.f)" else "" end)
                            + " \(.s | @json)") | join(""))
' "$page"
done

# The files the run wrote; the text card file also card by card, each card
# a block of 62 lines of 68 bytes, named by its first words.
for file in "$dir"/*; do
  name=$(basename "$file")
  [[ $name == trace.jsonl ]] && continue
  echo "file $name  $(digest <"$file")  $(stat -c %s "$file") bytes"
  if [[ $name == TC.txt ]]; then
    cards=$(($(stat -c %s "$file") / (68 * 62)))
    for ((card = 1; card <= cards; card++)); do
      text=$(dd if="$file" bs=$((68 * 62)) skip=$((card - 1)) count=1 status=none | tr -s ' \r\n' ' ')
      echo "file $name card $card  $(dd if="$file" bs=$((68 * 62)) skip=$((card - 1)) count=1 status=none | digest)  ${text:0:80}"
    done
  fi
done
