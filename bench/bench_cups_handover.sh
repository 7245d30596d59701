#!/usr/bin/env bash
# How long Print ALL takes to hand its jobs to a real print queue (one job
# per resident page) against the same run into a PDF file, and what each job
# costs on top; then how long the queue itself needs to work them off, which
# the run does not wait for. A private cupsd with a cups-pdf queue
# (tools/cups-test-queue.sh); needs root.
#
#   bench/bench_cups_handover.sh BUILD_DIR [RESIDENTS [QUEUE]]   default: 100 residents,
#                                                          queue mealcards-bench
set -euo pipefail
build=$(cd "$1" && pwd)
residents=${2:-100}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
queue=${3:-mealcards-bench}
work=$(mktemp -d)
stop() { "$source_dir/tools/cups-test-queue.sh" stop "$work/cups" "$queue" || true; rm -rf "$work"; }
trap stop EXIT

units=10
"$build/make_demo_facility" "$work/drives" --units $units --residents $(((residents + units - 1) / units)) >/dev/null
export CUPS_SERVER
CUPS_SERVER=$("$source_dir/tools/cups-test-queue.sh" start "$work/cups" "$queue")
# One run; its wall and CPU seconds (user + system) are left in $wall and $cpu.
run() {
  env -u DISPLAY /usr/bin/time -f "%e %U %S" -o "$work/time" \
    "$build/mealcards" --drives "$work/drives" --date 12-07-26 "$@" print 2>/dev/null
  read -r wall user system <"$work/time"
  cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
}
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }

# The first run turns the demo's pictures into their .asz form: not timed.
run --pdf "$work/cards.pdf"
run --pdf "$work/cards.pdf"; pdf_seconds=$wall pdf_cpu=$cpu
pages=$(qpdf --show-npages "$work/cards.pdf")
run --printer "$queue"; queue_seconds=$wall queue_cpu=$cpu
handed=$(now)
jobs=$(lpstat -W all -o "$queue" | wc -l)
# The queue works the jobs off after the run has left.
for _ in $(seq 1200); do
  [ "$(find "$work/cups/out" -name '*.pdf' | wc -l)" -ge "$pages" ] && break
  sleep 0.5
done
done_seconds=$(since "$handed")
printed=$(find "$work/cups/out" -name '*.pdf' | wc -l)

per_job() { awk -v q="$1" -v p="$2" -v j="$jobs" 'BEGIN { print (q - p) * 1000 / (j ? j : 1) }'; }
printf '%-9s %5s %5s | %9s %9s %9s | %9s %9s %9s | %13s %s\n' residents pages jobs "PDF s" "queue s" "per job" \
  "PDF cpu" "queue cpu" "per job" "queue done s" "PDFs out"
printf '%-9s %5s %5s | %9.2f %9.2f %7.1fms | %9.2f %9.2f %7.1fms | %13.1f %s\n' "$residents" "$pages" "$jobs" \
  "$pdf_seconds" "$queue_seconds" "$(per_job "$queue_seconds" "$pdf_seconds")" "$pdf_cpu" "$queue_cpu" \
  "$(per_job "$queue_cpu" "$pdf_cpu")" "$done_seconds" "$printed"
