#!/usr/bin/env bash
# Tests the manual pages: each renders without a warning from man or groff
# (as lintian checks them) and names the version being built, and
# tarnvik-calc(1) describes every option and subcommand that
# `tarnvik-calc --help` lists, in the right place.
#
#   man-test.sh TARNVIK_CALC MAN_DIR VERSION
set -uo pipefail
calc=$1
mandir=$2
version=$3
# shellcheck source=SCRIPTDIR/help-options.sh
source "$(dirname "$0")/help-options.sh"

failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}

for page in "$mandir"/*.1; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "$page renders with warnings:"$'\n'"$warnings"
    grep -q "^\.TH .* \"Tarnvik Calculator $version\"" "$page" ||
        fail "$page does not name the version $version in its .TH line"
done

# The options each section describes, as "SECTION/Subsection option" lines,
# read from the tag lines of the page's items (.TP).
documented=$(awk '
    /^\.SH / { section = $2; gsub(/"/, "", section); sub_ = ""; next }
    /^\.SS / { sub_ = $0; sub(/^\.SS +/, "", sub_); gsub(/"/, "", sub_); next }
    /^\.TP/ { tag = 1; next }
    tag {
        tag = 0
        line = $0
        gsub(/\\-/, "-", line)
        n = split(line, words, /[^-a-z0-9]+/)
        for (i = 1; i <= n; i++)
            if (words[i] ~ /^--?[a-z]/) print section "/" sub_ " " words[i]
    }' "$mandir/tarnvik-calc.1")
[[ -n $documented ]] || fail "no options found in tarnvik-calc(1)"

has() { grep -qxF -- "$1" <<<"$documented"; }

# The calculator's own options belong to OPTIONS.
for option in $(help_options "$calc" ""); do
    grep -q "^OPTIONS/.* $option\$" <<<"$documented" ||
        fail "tarnvik-calc(1) does not describe $option under OPTIONS"
done

# A subcommand's options: under its own heading in COMMANDS, or among the
# window's inputs it shares with the calculator; -h and --help once for all.
for command in $(help_subcommands "$calc"); do
    grep -q "^COMMANDS/$command " <<<"$documented" ||
        fail "tarnvik-calc(1) has no section for the subcommand $command"
    for option in $(help_options "$calc" "$command"); do
        has "COMMANDS/$command $option" || has "OPTIONS/Inputs of the window $option" ||
            { [[ $option == -h || $option == --help ]] && has "OPTIONS/Output and modes $option"; } ||
            fail "tarnvik-calc(1) does not describe $option of '$command'"
    done
done

# The examples run and succeed: each command of the .EX blocks of
# EXAMPLES, with the roff escapes undone and continued lines joined.
examples=$(sed -n '/^\.SH EXAMPLES/,/^\.SH /p' "$mandir/tarnvik-calc.1" |
    sed 's/\\-/-/g; s/\\(aq/'"'"'/g; s/\\e/\\/g' |
    awk '/^\.EX/ { block = 1; next }
         /^\.EE/ { block = 0; next }
         block && /\\$/ { sub(/\\$/, ""); text = text $0; next }
         block { print text $0; text = "" }')
[[ -n $examples ]] || fail "tarnvik-calc(1) has no examples"
# The files the examples write go to a folder of their own.
calc=$(realpath "$calc")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
while IFS= read -r command; do
    # shellcheck disable=SC2317 # called by the example
    output=$(cd "$scratch" && tarnvik-calc() { "$calc" "$@"; } && eval "$command" 2>&1) ||
        fail "the example of tarnvik-calc(1) fails: $command"$'\n'"$output"
done <<<"$examples"

((failed)) || echo "manual pages: all checks pass" >&2
exit "$failed"
