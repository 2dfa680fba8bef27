#!/usr/bin/env bash
# Runs the command-line examples of Markdown files and checks that each
# prints what the file shows, so that the guide never shows a number or a
# message the tool no longer prints.
#
#   check-examples.sh [--update] TARNVIK_CALC FILE...
#
# An example is a "$ command" line inside a ```console block; the lines
# after it, up to the next "$" line or the end of the block, are what it
# prints (standard output and standard error, as a terminal shows them).
# "tarnvik-calc" in a command runs TARNVIK_CALC. With --update the files
# are rewritten with what the commands print now: review the diff.
set -uo pipefail

update=0
if [[ ${1:-} == --update ]]; then
    update=1
    shift
fi
if (($# < 2)); then
    echo "usage: $0 [--update] TARNVIK_CALC FILE..." >&2
    exit 2
fi
calc=$(realpath "$1")
shift

# Nothing depends on the caller's locale or folder.
export LC_ALL=C.UTF-8
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

run_example() {
    (
        cd "$scratch" || exit 1
        # shellcheck disable=SC2317 # called by the example
        tarnvik-calc() { "$calc" "$@"; }
        eval "$1"
    ) 2>&1 </dev/null
}

failed=0
examples=0
for file in "$@"; do
    mapfile -t lines <"$file"
    result=()
    in_block=0
    i=0
    while ((i < ${#lines[@]})); do
        line=${lines[i]}
        if ((!in_block)); then
            [[ $line == '```console' ]] && in_block=1
            result+=("$line")
            ((i++))
            continue
        fi
        if [[ $line == '```' ]]; then
            in_block=0
            result+=("$line")
            ((i++))
            continue
        fi
        if [[ $line != '$ '* ]]; then
            echo "$file:$((i + 1)): output without a command before it" >&2
            failed=1
            result+=("$line")
            ((i++))
            continue
        fi
        start=$((i + 1))
        command=${line#'$ '}
        result+=("$line")
        ((i++))
        expected=()
        while ((i < ${#lines[@]})) && [[ ${lines[i]} != '$ '* && ${lines[i]} != '```' ]]; do
            expected+=("${lines[i]}")
            ((i++))
        done
        ((examples++))
        actual=$(run_example "$command")
        if ((${#expected[@]})); then
            want=$(printf '%s\n' "${expected[@]}")
        else
            want=''
        fi
        if [[ $actual != "$want" ]]; then
            if ((update)); then
                echo "$file:$start: updated: $command" >&2
            else
                echo "$file:$start: the example prints something else: $command" >&2
                diff -u --label shown --label printed <(printf '%s\n' "$want") \
                    <(printf '%s\n' "$actual") >&2
                failed=1
            fi
        fi
        [[ -n $actual ]] && mapfile -t -O "${#result[@]}" result <<<"$actual"
    done
    if ((in_block)); then
        echo "$file: a console block is not closed" >&2
        failed=1
    fi
    ((update)) && printf '%s\n' "${result[@]}" >"$file"
done

if ((examples == 0)); then
    echo "no examples found in $*" >&2
    exit 1
fi
echo "$examples examples checked" >&2
exit "$failed"
