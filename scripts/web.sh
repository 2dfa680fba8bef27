#!/usr/bin/env bash
# Builds the calculator's web page and serves it on http://127.0.0.1:8080/.
#   scripts/web.sh              build and serve
#   scripts/web.sh screenshot   build and save docs/web.png from headless Chromium
set -euo pipefail
cd "$(dirname "$0")/.."

extra=(emscripten)
command -v node >/dev/null || extra+=(nodejs)
command -v python3 >/dev/null || extra+=(python3)
[ "${1:-}" != screenshot ] || extra+=(chromium)
scripts/install-deps.sh "${extra[@]}"

# emcc runs its JavaScript with node and needs Debian's node modules.
export NODE_PATH=/usr/share/nodejs
cmake --preset web >/dev/null
cmake --build --preset web -j "$(nproc)"
site=build/web/site

if [ "${1:-}" = screenshot ]; then
  (cd web && npm ci --no-audit --no-fund --loglevel=error &&
    TARNVIK_SCREENSHOT="$PWD/../docs/web.png" node --test --test-name-pattern='screenshot' tests/page.test.mjs)
  echo "saved docs/web.png" >&2
  exit 0
fi

cat >&2 <<NOTE
The page is in $site/. It needs no server: open $site/index.html in a
browser, or copy the folder to any web host. It makes no network request
after loading, so it also works offline.

Serving it on http://127.0.0.1:8080/ (Ctrl+C stops).
NOTE
exec python3 -m http.server 8080 --bind 127.0.0.1 --directory "$site"
