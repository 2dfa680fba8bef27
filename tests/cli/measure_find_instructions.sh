#!/usr/bin/env bash
# callgrind instructions per extra `find --diameter` value: the difference
# between a find with 11 diameters and one with 1, divided by 10, so that
# start-up, the sections' rows and exit cancel out. Usage:
#   tests/cli/measure_find_instructions.sh [path/to/tarnvik-calc]
set -euo pipefail
calc=${1:-build/release/src/cli/tarnvik-calc}

instructions() {
  local args=()
  for ((d = 0; d < $1; d++)); do args+=(--diameter "$((40 + d))"); done
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$calc" find --unit m3/h \
    --min-flow 5 --max-flow 400 "${args[@]}" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}

one=$(instructions 1)
eleven=$(instructions 11)
echo "1 diameter: $one instructions; 11 diameters: $eleven instructions"
echo "per extra diameter: $(((eleven - one) / 10))"
