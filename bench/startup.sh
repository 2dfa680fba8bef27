#!/usr/bin/env bash
# Start-up of the calculator window against the floor, a minimal Qt dialog
# with one label, measured in the same run on the same virtual display, the
# two programs alternating; the median of several runs of each.
#
#   bench/startup.sh [runs]          wall time from process start to the
#                                    window shown (first painted) and idle
#   bench/startup.sh --cpu [runs]    CPU time of the whole run, shown and
#                                    closed (perf stat task-clock), which does
#                                    not count waiting for the X server
#
# runs defaults to 21. Runs under Xvfb (xvfb-run) with the xcb platform,
# whatever the desktop. TARNVIK_BENCH_DIR points at other builds of the two
# bench programs, for before/after comparisons.
set -euo pipefail
cd "$(dirname "$0")/.."

args=("$@")
cpu=0
if [ "${1:-}" = --cpu ]; then
  cpu=1
  shift
fi
runs=${1:-21}
dir=${TARNVIK_BENCH_DIR:-build/release/bench/startup}

if [ -z "${TARNVIK_BENCH_DISPLAY:-}" ]; then
  scripts/install-deps.sh
  if ((cpu)) && ! command -v perf >/dev/null; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends linux-perf
  fi
  if [ -z "${TARNVIK_BENCH_DIR:-}" ]; then
    cmake --preset release >/dev/null
    cmake --build --preset release --target bench_startup_window bench_startup_floor
  fi
  exec xvfb-run -a -s '-screen 0 1024x768x24' env TARNVIK_BENCH_DISPLAY=1 "$0" "${args[@]}"
fi

export QT_QPA_PLATFORM=xcb

# Milliseconds of one run: CPU time (user and system), or the wall time
# from just before the program starts to the moment it reports its window
# shown and idle ("shown <CLOCK_REALTIME us>").
one_run() {
  if ((cpu)); then
    perf stat -x, -e task-clock "$1" 2>&1 >/dev/null | awk -F, '$3 == "task-clock" { print $1 }'
  else
    local start=${EPOCHREALTIME/./} line
    line=$("$1" 2>/dev/null | grep '^shown ')
    awk -v us=$((${line#shown } - start)) 'BEGIN { print us / 1000 }'
  fi
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { printf "%.2f", (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One warm-up run each: the first start loads the libraries from disk.
one_run "$dir/bench_startup_floor" >/dev/null
one_run "$dir/bench_startup_window" >/dev/null

floor=() window=()
for ((i = 0; i < runs; i++)); do
  floor+=("$(one_run "$dir/bench_startup_floor")")
  window+=("$(one_run "$dir/bench_startup_window")")
done

f=$(printf '%s\n' "${floor[@]}" | median)
w=$(printf '%s\n' "${window[@]}" | median)
if ((cpu)); then
  echo "start-up CPU time (task-clock), median of $runs runs under Xvfb:"
else
  echo "start-up to window shown and idle, median of $runs runs under Xvfb:"
fi
echo "  floor (Qt dialog, one label): $f ms"
echo "  tarnvik window (74 controls): $w ms"
awk -v f="$f" -v w="$w" 'BEGIN { printf "  difference: %+.2f ms, ratio %.3f\n", w - f, w / f }'
