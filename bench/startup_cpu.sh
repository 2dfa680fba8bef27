#!/usr/bin/env bash
# CPU time of the window's start-up (process start to the window shown and
# idle, then closed), against the floor, a minimal Qt dialog with one label:
# the median task-clock of several runs of each, alternating, on the same
# virtual display, and their ratio. CPU time, unlike wall time, does not
# count waiting for the X server.
#
#   bench/startup_cpu.sh [runs]      (default 21)
#
# Needs perf (linux-perf). TARNVIK_BENCH_DIR points at other builds of the
# two bench programs, for before/after comparisons.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-21}
dir=${TARNVIK_BENCH_DIR:-build/release/bench/startup}

if [ -z "${TARNVIK_BENCH_DISPLAY:-}" ]; then
  scripts/install-deps.sh
  command -v perf >/dev/null || {
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends linux-perf
  }
  if [ -z "${TARNVIK_BENCH_DIR:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target bench_startup_window bench_startup_floor
  fi
  exec xvfb-run -a -s '-screen 0 1024x768x24' env TARNVIK_BENCH_DISPLAY=1 "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb

# Milliseconds of CPU time (user and system) of one run.
one_run() {
  perf stat -x, -e task-clock "$1" 2>&1 >/dev/null | awk -F, '$3 == "task-clock" { print $1 }'
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

one_run "$dir/bench_startup_floor" >/dev/null # warm-up: libraries into the page cache
one_run "$dir/bench_startup_window" >/dev/null

floor=() window=()
for ((i = 0; i < runs; i++)); do
  floor+=("$(one_run "$dir/bench_startup_floor")")
  window+=("$(one_run "$dir/bench_startup_window")")
done

f=$(printf '%s\n' "${floor[@]}" | median)
w=$(printf '%s\n' "${window[@]}" | median)
echo "start-up CPU time (task-clock), median of $runs runs under Xvfb:"
echo "  floor (Qt dialog, one label): $f ms"
echo "  tarnvik window (74 controls): $w ms"
awk -v f="$f" -v w="$w" 'BEGIN { printf "  ratio: %.3f\n", w / f }'
