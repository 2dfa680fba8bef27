#!/usr/bin/env bash
# Validates the AppStream metainfo and the desktop entry with the tools
# software centres and lintian use, and checks that the metainfo names the
# desktop entry it belongs to and lists the version being built.
#
#   metainfo-test.sh METAINFO DESKTOP_ENTRY VERSION
set -uo pipefail
metainfo=$1
desktop=$2
version=$3

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate: $metainfo"
desktop-file-validate "$desktop" || fail "desktop-file-validate: $desktop"

# The file is named after its component id, as software centres find it.
id=$(sed -n 's:^ *<id>\(.*\)</id> *$:\1:p' "$metainfo")
[[ $(basename "$metainfo") == "$id.metainfo.xml" ]] ||
    fail "$metainfo should be named $id.metainfo.xml"

launchable=$(sed -n 's:^ *<launchable type="desktop-id">\(.*\)</launchable> *$:\1:p' "$metainfo")
[[ $launchable == "$(basename "$desktop")" ]] ||
    fail "the launchable is \"$launchable\", the desktop entry $(basename "$desktop")"

grep -q "<release version=\"$version\"" "$metainfo" ||
    fail "the releases of $metainfo do not list $version"

((failed)) || echo "metainfo and desktop entry: valid" >&2
exit "$failed"
