#!/usr/bin/env bash
# The web build's tests: builds the page and tarnvik-calc.js with the `web`
# preset, runs the golden files through `node tarnvik-calc.js`, compares
# native and WebAssembly output on generated configurations, and drives the
# page in headless Chromium. Needs the release build (scripts/test.sh makes
# it first).
set -euo pipefail
cd "$(dirname "$0")/.."

extra=(emscripten chromium)
command -v node >/dev/null || extra+=(nodejs)
command -v npm >/dev/null || extra+=(npm)
scripts/install-deps.sh "${extra[@]}"

# emcc runs its JavaScript with node and needs Debian's node modules.
export NODE_PATH=/usr/share/nodejs
echo "== web: configure and build" >&2
start=$SECONDS
cmake --preset web >/dev/null
cmake --build --preset web -j "$(nproc)"
echo "== web: built in $((SECONDS - start)) s" >&2

echo "== web: test tools (npm ci)" >&2
(cd web && npm ci --no-audit --no-fund --loglevel=error)

echo "== web: golden files through node tarnvik-calc.js" >&2
TARNVIK_CALC_COMMAND="$(command -v node) $PWD/build/web/src/cli/tarnvik-calc.js" \
  ctest --test-dir build/release -R '^golden_' -j "$(nproc)" --output-on-failure

echo "== web: differential, API and browser tests" >&2
(cd web && node --test tests/)
