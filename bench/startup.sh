#!/usr/bin/env bash
# Start-up time of the calculator window: from process start to the window
# shown (first painted) and the event loop idle, the median of several runs,
# against the floor, a minimal Qt dialog with one label, measured in the
# same run on the same virtual display, the two programs alternating.
#
#   bench/startup.sh [runs]      (default 21)
#
# Runs under Xvfb (xvfb-run) with the xcb platform, whatever the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-21}
dir=${TARNVIK_BENCH_DIR:-build/release/bench/startup}

if [ -z "${TARNVIK_BENCH_DISPLAY:-}" ]; then
  scripts/install-deps.sh
  cmake --preset release >/dev/null
  cmake --build --preset release --target bench_startup_window bench_startup_floor
  exec xvfb-run -a -s '-screen 0 1024x768x24' env TARNVIK_BENCH_DISPLAY=1 "$0" "$@"
fi

export QT_QPA_PLATFORM=xcb

# Microseconds from just before the program is started to the moment it
# reports its window shown and idle ("shown <CLOCK_REALTIME us>").
one_run() {
  local start=${EPOCHREALTIME/./} line
  line=$("$1" 2>/dev/null | grep '^shown ')
  echo $(( ${line#shown } - start ))
}

median_ms() {
  sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000 }'
}

# One warm-up run each: the first start loads the libraries from disk.
one_run "$dir/bench_startup_floor" >/dev/null
one_run "$dir/bench_startup_window" >/dev/null

floor=() window=()
for ((i = 0; i < runs; i++)); do
  floor+=("$(one_run "$dir/bench_startup_floor")")
  window+=("$(one_run "$dir/bench_startup_window")")
done

f=$(printf '%s\n' "${floor[@]}" | median_ms)
w=$(printf '%s\n' "${window[@]}" | median_ms)
echo "start-up to window shown and idle, median of $runs runs under Xvfb:"
echo "  floor (Qt dialog, one label): $f ms"
echo "  tarnvik window (74 controls): $w ms"
awk -v f="$f" -v w="$w" 'BEGIN { printf "  difference: %+.1f ms\n", w - f }'
