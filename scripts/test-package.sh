#!/usr/bin/env bash
# Builds the Debian package from the release build, checks it with
# lintian (no error and no warning), extracts it into a scratch root and
# runs tarnvik-calc from there, so that what users install is tested as
# they get it.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/release
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target tarnvik tarnvik-calc

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
rm -f "$build"/tarnvik_*.deb
if ! (cd "$build" && cpack -G DEB >cpack.log 2>&1); then
  cat "$build/cpack.log" >&2
  exit 1
fi
deb=$(echo "$build"/tarnvik_"$version"_*.deb)
[ -f "$deb" ] || { echo "cpack made no $build/tarnvik_${version}_*.deb" >&2; exit 1; }
echo "package: $deb" >&2

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

# As root (CI is) lintian adds a line saying it would rather not be.
lintian --fail-on error,warning --display-info "$deb" 2> >(grep -v 'running with root privileges' >&2) ||
  fail "lintian reports errors or warnings"

# Every file belongs to root, and nothing is writable by others.
while read -r mode owner _ _ _ path; do
  [ "$owner" = root/root ] || fail "$path belongs to $owner"
  case $mode in l*) ;; ????????w?) fail "$path is writable by everyone ($mode)" ;; esac
done < <(dpkg-deb -c "$deb")

dpkg-deb -x "$deb" "$root"
for f in usr/bin/tarnvik usr/bin/tarnvik-calc \
  usr/share/man/man1/tarnvik.1.gz usr/share/man/man1/tarnvik-calc.1.gz \
  usr/share/bash-completion/completions/tarnvik-calc \
  usr/share/applications/tarnvik.desktop \
  usr/share/metainfo/com.example.tarnvik.calculator.metainfo.xml \
  usr/share/doc/tarnvik/copyright usr/share/doc/tarnvik/changelog.gz \
  usr/share/doc/tarnvik/user-guide.md; do
  [ -f "$root/$f" ] || fail "the package has no /$f"
done

calc=$root/usr/bin/tarnvik-calc
[ "$("$calc" --version)" = "tarnvik-calc $version" ] || fail "tarnvik-calc --version: $("$calc" --version)"
actual=$("$calc" --sensor QA40 --section DN50 --unit m3/h --json) || fail "tarnvik-calc from the package failed"
case $actual in
  *'"maxFlow":"1000.0","maxFlowUnit":"sm3/h","minFlow":"4.0"'*) ;;
  *) fail "tarnvik-calc from the package printed: $actual" ;;
esac

# The installed completion and manual page work from where they land.
(
  # shellcheck source=/dev/null
  source "$root/usr/share/bash-completion/completions/tarnvik-calc"
  COMP_WORDS=(tarnvik-calc --sensor QA9) COMP_CWORD=2
  _tarnvik_calc
  [ "${COMPREPLY[*]}" = QA90 ]
) || fail "the installed completion does not complete --sensor QA9"
page=$(MANWIDTH=80 man -l "$root/usr/share/man/man1/tarnvik-calc.1.gz" 2>/dev/null | tr -s ' ')
case $page in *'tarnvik-calc - flow ranges'*) ;; *) fail "man cannot read the installed tarnvik-calc(1)" ;; esac

if [ "$failed" -ne 0 ]; then
  exit 1
fi
echo "package: lintian clean, tarnvik-calc $version runs from the extracted package" >&2
