#!/usr/bin/env bash
# Tests the bash completion of tarnvik-calc the way bash runs it: sets
# COMP_WORDS and COMP_CWORD, calls the completion function and reads
# COMPREPLY. Then checks that it offers every option, subcommand and fixed
# value that `tarnvik-calc --help` lists, so that it cannot fall behind.
#
#   completion-test.sh TARNVIK_CALC COMPLETION_FILE
set -uo pipefail
calc=$(realpath "$1")
# shellcheck source=/dev/null
source "$2"
# shellcheck source=SCRIPTDIR/help-options.sh
source "$(dirname "$0")/help-options.sh"

failed=0

# The completion reads the pipe table from the program it completes.
# shellcheck disable=SC2317 # called by the completion
tarnvik-calc() { "$calc" "$@"; }

# File names are completed in a folder of known files.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
touch 'old sheet.html' notes.txt

# Completes the words (the last is the one being typed) of the program
# $program; the candidates, one a line.
program=tarnvik-calc
complete_words() {
    COMP_WORDS=("$program" "$@")
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
    "subcommands          | ''                                | table find pipes sheet"
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
    "table_options        | table --s                         | --sensor --svg"
    "table_sensor_value   | table --sensor QA4                | QA40"
    "table_units_follow   | table --sensor QA90 --unit t      | t/h"
    "find_has_no_sensor   | find --se                         | "
    "find_offers_all      | find --unit lb                    | lb/h"
    "find_options         | find --m                          | --min-flow --max-flow"
    "value_not_subcommand | --gas find                        | "
    "after_subcommand     | table ''                          | "
    "subcommand_p         | p                                 | pipes"
    "pipes_options        | pipes --s                         | --standard"
    "sheet_options        | sheet --cu                        | --customer --cutoff"
    "title_not_subcommand | sheet --title find --cu           | --customer --cutoff"
    "output_not_subcommand | sheet -o find --cu               | --customer --cutoff"
    "pipe_escaped_prefix  | --sensor QA30 --pipe 'NPS\\ 2\\ Sch\\ 4' | 'NPS\\ 2\\ Sch\\ 40' 'NPS\\ 2\\ Sch\\ 40S'"
    "pipe_first_word      | --sensor QA90 --pipe en           | 'EN\\ 10255-M\\ DN8' 'EN\\ 10255-M\\ DN10' 'EN\\ 10255-M\\ DN15' 'EN\\ 10255-M\\ DN20' 'EN\\ 10255-M\\ DN25' 'EN\\ 10255-M\\ DN32' 'EN\\ 10255-M\\ DN40' 'EN\\ 10255-M\\ DN50' 'EN\\ 10255-M\\ DN65' 'EN\\ 10255-M\\ DN80' 'EN\\ 10255-M\\ DN100' 'EN\\ 10255-M\\ DN125' 'EN\\ 10255-M\\ DN150' 'EN\\ 10255-H\\ DN8' 'EN\\ 10255-H\\ DN10' 'EN\\ 10255-H\\ DN15' 'EN\\ 10255-H\\ DN20' 'EN\\ 10255-H\\ DN25' 'EN\\ 10255-H\\ DN32' 'EN\\ 10255-H\\ DN40' 'EN\\ 10255-H\\ DN50' 'EN\\ 10255-H\\ DN65' 'EN\\ 10255-H\\ DN80' 'EN\\ 10255-H\\ DN100' 'EN\\ 10255-H\\ DN125' 'EN\\ 10255-H\\ DN150'"
    "pipe_any_case        | --sensor QA30 --pipe 'nps\\ 12\\ x' | 'NPS\\ 12\\ XS'"
    "pipe_open_double     | --sensor QA30 --pipe '\"nps 1/4 sch 4' | 'NPS 1/4 Sch 40' 'NPS 1/4 Sch 40S'"
    "pipe_open_single     | --sensor QA30 --pipe \"'NPS 1/2 Sch 8\" | 'NPS 1/2 Sch 80' 'NPS 1/2 Sch 80S'"
    "pipe_half_quoted     | --sensor QA30 --pipe 'NPS\\ 1/2\\ \"Sch 8' | 'Sch 80' 'Sch 80S'"
    "pipe_after_equals    | --sensor QA30 --pipe = 'NPS\\ 3\\ Sch\\ 40' | 'NPS\\ 3\\ Sch\\ 40' 'NPS\\ 3\\ Sch\\ 40S'"
    "pipe_before_sensor   | --pipe 'NPS\\ 3\\ Sch\\ 40S'   | 'NPS\\ 3\\ Sch\\ 40S'"
    "pipe_type_with_sections | --sensor QA40 --pipe ''           | "
    "pipe_in_table        | table --sensor QA70 --pipe 'NPS\\ 3\\ Sch\\ 40S' | 'NPS\\ 3\\ Sch\\ 40S'"
    "pipe_in_find         | find --diameter 50 --pipe 'NPS\\ 3\\ Sch\\ 40S' | 'NPS\\ 3\\ Sch\\ 40S'"
    "pipe_in_sheet        | sheet --sensor QA50 --pipe 'NPS\\ 3\\ Sch\\ 40S' | 'NPS\\ 3\\ Sch\\ 40S'"
    "standards            | pipes --standard ''               | 'EN\\ 10255' 'ASME\\ B36.10M' 'ASME\\ B36.19M'"
    "standard_prefix      | pipes --standard 'asme\\ b36.1'  | 'ASME\\ B36.10M' 'ASME\\ B36.19M'"
    "output_files         | sheet -o o                        | 'old sheet.html'"
    "output_escaped       | sheet --output 'old\\ s'         | 'old sheet.html'"
    "output_after_equals  | sheet --output = n                | notes.txt"
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

# A pipe name with quotes, a blank, a backslash and a dollar, from a
# program whose table has one: whether the user has opened a quote or not,
# what is inserted must read back as the name, with no expansion.
# shellcheck disable=SC2016 # the dollar is part of the name
odd_name='2" it'"'"'s \ $x'
# shellcheck disable=SC2317,SC2016 # called by the completion; a literal dollar
quoting-calc() {
    printf '[\n  {\n    "standard": "Odd",\n    "pipe": "%s"\n  }\n]\n' '2\" it'"'"'s \\ $x'
}
program=quoting-calc
for open in '' '"' "'"; do
    inserted=$(complete_words --sensor QA30 --pipe "${open}2")
    read_back=''
    [[ $inserted == *$'\n'* ]] || eval "read_back=$open$inserted$open"
    if [[ $read_back != "$odd_name" ]]; then
        echo "FAIL: after --pipe ${open}2 the completion inserts [$inserted], read back as [$read_back]" >&2
        failed=1
    fi
done
program=tarnvik-calc

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
