#!/usr/bin/env bash
# callgrind instructions per extra --diameter value of `find`: the
# difference between runs with N and N+1 diameters (default N = 2), so
# that start-up, the survey of the sensor types and the sections' rows
# cancel out. Each diameter adds one row per range of every type with a
# free diameter. Usage:
#   tests/cli/measure_find_instructions.sh [path/to/tarnvik-calc] [N]
set -euo pipefail
calc=${1:-build/release/src/cli/tarnvik-calc}
n=${2:-2}

instructions() {
  local args=()
  for ((i = 0; i < $1; i++)); do args+=(--diameter "$((50 + 10 * i))"); done
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$calc" find --unit m3/h \
    --min-flow 5 --max-flow 400 "${args[@]}" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}

small=$(instructions "$n")
large=$(instructions "$((n + 1))")
echo "$n diameters: $small instructions; $((n + 1)) diameters: $large instructions"
echo "per diameter: $((large - small))"
