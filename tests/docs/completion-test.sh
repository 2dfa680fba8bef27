#!/usr/bin/env bash
# Tests the bash completion of tarnvik-calc the way bash runs it: sets
# COMP_WORDS and COMP_CWORD, calls the completion function and reads
# COMPREPLY. Then checks that it offers every option, subcommand and fixed
# value that `tarnvik-calc --help` lists, so that it cannot fall behind.
#
#   completion-test.sh TARNVIK_CALC COMPLETION_FILE
set -uo pipefail
calc=$1
# shellcheck source=/dev/null
source "$2"
# shellcheck source=SCRIPTDIR/help-options.sh
source "$(dirname "$0")/help-options.sh"

failed=0

# Completes the words (the last is the one being typed); the candidates,
# one a line.
complete_words() {
    COMP_WORDS=(tarnvik-calc "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tarnvik_calc
    ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}"
}

# name | the words | the candidates expected; both written as shell words
cases=(
    "sensor_prefix        | --sensor Q                        | QA10 QA20 QA30 QA40 QA50 QA60 QA70 QA80 QA20-V QA90"
    "sensor_any_case      | --sensor qa2                      | QA20 QA20-V"
    "unit_k               | --unit k                          | kg/h kg/min kg/s"
    "unit_t_needs_qa70    | --unit t                          | "
    "unit_t_qa70          | --sensor QA70 --unit t            | t/h"
    "sensor_after_equals  | --sensor = QA70 --unit t          | t/h"
    "unit_after_equals    | --unit = kg/m                     | kg/min"
    "subcommand_fi        | fi                                | find"
    "subcommands          | ''                                | table find"
    "section_of_qa10      | --section DN3                     | DN32"
    "section_of_qa20_v    | --sensor QA20-V --section ''      | DN8 DN15 DN20 DN25"
    "section_any_case     | --sensor qa80 --section dn6       | DN65"
    "section_free_type    | --sensor QA30 --section ''        | "
    "range_of_qa70        | --sensor QA70 --range ''          | S HS"
    "range_of_qa80        | --sensor QA80 --range ''          | "
    "gas_of_qa10          | --gas ''                          | Air N2"
    "gas_with_blank       | --sensor QA30 --gas Na            | 'Nat.\\ gas'"
    "gas_in_open_quote    | --sensor QA30 --gas '\"na'        | 'Nat. gas'"
    "text_has_no_values   | --sensor QA30 --diameter ''       | "
    "flow_types           | --flow-type ''                    | flow actual fad dry"
    "last_sensor_counts   | --sensor QA70 --sensor QA10 --unit lb | "
    "table_options        | table --s                         | --sensor"
    "table_sensor_value   | table --sensor QA4                | QA40"
    "table_units_follow   | table --sensor QA90 --unit t      | t/h"
    "find_has_no_sensor   | find --se                         | "
    "find_offers_all      | find --unit lb                    | lb/h"
    "find_options         | find --m                          | --min-flow --max-flow"
    "value_not_subcommand | --gas find                        | "
    "after_subcommand     | table ''                          | "
)

for row in "${cases[@]}"; do
    IFS='|' read -r name words expected <<<"$row"
    name=${name// /}
    eval "args=($words) candidates=($expected)"
    # shellcheck disable=SC2154 # args and candidates are set by eval
    actual=$(complete_words "${args[@]}" | paste -sd'|')
    # shellcheck disable=SC2154
    want=$( ((${#candidates[@]})) && printf '%s\n' "${candidates[@]}" | paste -sd'|')
    if [[ $actual != "$want" ]]; then
        echo "FAIL $name: tarnvik-calc $words -> [$actual], expected [$want]" >&2
        failed=1
    fi
done

contains() { grep -qxF -- "$2" <<<"$1"; }

for command in "" $(help_subcommands "$calc"); do
    # shellcheck disable=SC2086 # no subcommand: no word
    offered=$(complete_words $command -)
    for option in $(help_options "$calc" "$command"); do
        contains "$offered" "$option" ||
            { echo "FAIL: the completion of 'tarnvik-calc $command' does not offer $option" >&2; failed=1; }
    done
done

offered=$(complete_words '')
for command in $(help_subcommands "$calc"); do
    contains "$offered" "$command" ||
        { echo "FAIL: the completion does not offer the subcommand $command" >&2; failed=1; }
done

# Fixed values (--range L|S|M|HS), with a type that offers all ranges.
while read -r option values; do
    offered=$(complete_words --sensor QA30 "$option" '')
    for value in $values; do
        contains "$offered" "$value" ||
            { echo "FAIL: the completion of $option does not offer $value" >&2; failed=1; }
    done
done < <(help_choices "$calc")

((failed)) || echo "completion: all cases pass" >&2
exit "$failed"
