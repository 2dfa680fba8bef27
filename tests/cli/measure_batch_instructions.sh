#!/usr/bin/env bash
# callgrind instructions per --batch line: the difference between 2,200
# and 200 generated lines, divided by 2,000, so that start-up and exit
# cancel out. Usage:
#   tests/cli/measure_batch_instructions.sh [path/to/tarnvik-calc]
set -euo pipefail
here=$(dirname "$0")
calc=${1:-build/release/src/cli/tarnvik-calc}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

instructions() {
  "$here/generate_batch_lines.sh" "$1" >"$work/lines.jsonl"
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$calc" --batch \
    <"$work/lines.jsonl" 2>&1 >/dev/null | sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}

small=$(instructions 200)
large=$(instructions 2200)
echo "200 lines: $small instructions; 2200 lines: $large instructions"
echo "per line: $(((large - small) / 2000))"
