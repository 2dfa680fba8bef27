#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: once in the
# optimised build (with the Qt window's offscreen tests) and once under
# AddressSanitizer and UBSan. Build folders are reused; CMake and Ninja
# rebuild only what changed, so they are never stale.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# A decimal-comma locale for the locale tests.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || echo "note: could not create de_DE.UTF-8; locale tests will be skipped" >&2
fi

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

for preset in release asan; do
  echo "== $preset: configure and build" >&2
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: tests" >&2
  ctest --preset "$preset" -j "$jobs"
done

echo "== package: build, lintian, run from the extracted package" >&2
scripts/test-package.sh

# The page and the command line compiled to WebAssembly.
scripts/test-web.sh
