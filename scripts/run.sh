#!/usr/bin/env bash
# Installs what is missing, builds, and opens the calculator window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
# Only what this script runs: the window, and the command line its hint
# names. Tests and benchmarks are scripts/test.sh's, in the same folder.
cmake --build --preset release -j "$(nproc)" --target tarnvik tarnvik-calc

bin=build/release/src
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "Start the window on a virtual display instead:" >&2
  echo "  xvfb-run -a -s '-screen 0 1024x768x24' $bin/ui/qt/tarnvik" >&2
  echo "Or use the command line: $bin/cli/tarnvik-calc --help" >&2
  exit 1
fi
exec "$bin/ui/qt/tarnvik" "$@"
