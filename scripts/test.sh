#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: once in the
# optimised build (with the Qt window's offscreen tests) and once under
# AddressSanitizer and UBSan. Then builds the fuzz targets and runs each on
# its seed corpus and a fixed number of new inputs. Build folders are
# reused; CMake and Ninja rebuild only what changed, so they are never
# stale.
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

# About a minute in all; the runs are counted, not timed, so that the
# work is the same on every machine.
declare -A fuzz_runs=([fuzz_actions]=5000 [fuzz_numbers]=500000 [fuzz_batch_line]=50000)
echo "== fuzz: configure and build" >&2
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
for seeds in fuzz/corpus/*/; do
  target=$(basename "$seeds")
  echo "== fuzz: $target" >&2
  # New inputs go to a scratch folder; the committed seeds stay as they are.
  scratch="build/fuzz/corpus/$target"
  rm -rf "$scratch" && mkdir -p "$scratch"
  if ! "build/fuzz/fuzz/$target" -seed=1 -runs="${fuzz_runs[$target]:-10000}" -max_len=4096 \
      "$scratch" "$seeds" >"$scratch.log" 2>&1; then
    cat "$scratch.log" >&2
    echo "fuzz target $target failed" >&2
    exit 1
  fi
  grep -E '^Done' "$scratch.log" >&2
done

echo "== package: build, lintian, run from the extracted package" >&2
scripts/test-package.sh

# The page and the command line compiled to WebAssembly.
scripts/test-web.sh
