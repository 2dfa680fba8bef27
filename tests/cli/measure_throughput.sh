#!/usr/bin/env bash
# Measures tarnvik-calc: --batch lines per second on 100,000 generated
# lines, and the time of one `find` over every sensor type and section.
# Prints the median of several runs. Usage:
#   tests/cli/measure_throughput.sh [path/to/tarnvik-calc] [runs]
set -euo pipefail
calc=${1:-build/release/src/cli/tarnvik-calc}
runs=${2:-5}
lines=100000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A mix of what scripts ask, one fresh window per line.
"$(dirname "$0")/generate_batch_lines.sh" "$lines" >"$work/lines.jsonl"
# Start-up alone: a fresh window per line and nothing else.
awk -v n="$lines" 'BEGIN { for (i = 0; i < n; i++) print "{}" }' >"$work/empty.jsonl"

now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

time_batch() {
  for ((r = 0; r < runs; r++)); do
    local t0 t1
    t0=$(now)
    "$calc" --batch <"$1" >"$work/out.jsonl" || true
    t1=$(now)
    echo "$t0 $t1" | awk '{ print $2 - $1 }'
  done | median
}

mixed=$(time_batch "$work/lines.jsonl")
empty=$(time_batch "$work/empty.jsonl")
errors=$(grep -c '"error"' "$work/out.jsonl" || true)

finds=$(for ((r = 0; r < runs; r++)); do
  t0=$(now)
  "$calc" find --unit m3/h --min-flow 5 --max-flow 400 --diameter 50 --diameter 80 >/dev/null
  t1=$(now)
  echo "$t0 $t1" | awk '{ print $2 - $1 }'
done | median)

awk -v n="$lines" -v m="$mixed" -v e="$empty" -v f="$finds" -v runs="$runs" 'BEGIN {
  printf "batch, %d mixed lines:     median %.3f s of %d runs = %.0f lines/s (%.1f us/line)\n", n, m, runs, n / m, 1e6 * m / n
  printf "batch, %d \"{}\" lines:      median %.3f s = %.0f lines/s (fresh window only: %.0f%% of a mixed line)\n", n, e, n / e, 100 * e / m
  printf "find over all types, sections and ranges, 2 diameters: median %.3f s of %d runs\n", f, runs
}'
