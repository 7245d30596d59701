#!/usr/bin/env bash
# How long Print ALL takes to hand its jobs to a real print queue (one job
# per resident page) against the same run into a PDF file, and what each job
# costs on top; then how long the queue itself needs to work them off, which
# the run does not wait for. A private cupsd with a cups-pdf queue
# (tools/cups-test-queue.sh); needs root.
#
#   bench/bench_cups_handover.sh BUILD_DIR [RESIDENTS]   default: 100 residents
set -euo pipefail
build=$(cd "$1" && pwd)
residents=${2:-100}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
queue=mealcards-bench
work=$(mktemp -d)
stop() { "$source_dir/tools/cups-test-queue.sh" stop "$work/cups" "$queue" || true; rm -rf "$work"; }
trap stop EXIT

units=10
"$build/make_demo_facility" "$work/drives" --units $units --residents $(((residents + units - 1) / units)) >/dev/null
export CUPS_SERVER
CUPS_SERVER=$("$source_dir/tools/cups-test-queue.sh" start "$work/cups" "$queue")
run() { env -u DISPLAY "$build/mealcards" --drives "$work/drives" --date 12-07-26 "$@" print 2>/dev/null; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }

start=$(now); run --pdf "$work/cards.pdf"; pdf_seconds=$(since "$start")
pages=$(qpdf --show-npages "$work/cards.pdf")
start=$(now); run --printer "$queue"; queue_seconds=$(since "$start")
handed=$(now)
jobs=$(lpstat -W all -o "$queue" | wc -l)
# The queue works the jobs off after the run has left.
for _ in $(seq 1200); do
  [ "$(find "$work/cups/out" -name '*.pdf' | wc -l)" -ge "$pages" ] && break
  sleep 0.5
done
done_seconds=$(since "$handed")
printed=$(find "$work/cups/out" -name '*.pdf' | wc -l)

printf '%-9s %5s %5s | %9s %9s %9s | %13s %s\n' residents pages jobs "PDF s" "queue s" "per job" "queue done s" "PDFs out"
printf '%-9s %5s %5s | %9.2f %9.2f %8.0fms | %13.1f %s\n' "$residents" "$pages" "$jobs" "$pdf_seconds" "$queue_seconds" \
  "$(awk -v q="$queue_seconds" -v p="$pdf_seconds" -v j="$jobs" 'BEGIN { print (q - p) * 1000 / (j ? j : 1) }')" \
  "$done_seconds" "$printed"
