# Reads tarnvik-calc's --help: sourced by the tests that check that the
# manual page and the completion know every option it lists.

# The options of one command ("" or a subcommand), one a line: -h, --help, ...
help_options() {
    local calc=$1 command=$2
    # shellcheck disable=SC2086 # no subcommand: no word
    "$calc" $command --help | sed -n 's/^  \(-[a-z]\),\(--[a-z][a-z-]*\).*/\1\n\2/p; s/^  \(--[a-z][a-z-]*\).*/\1/p'
}

# The subcommands, one a line.
help_subcommands() {
    "$1" --help | sed -n '/^Subcommands:/,/^$/ s/^  \([a-z][a-z-]*\) .*/\1/p'
}

# The options whose value is one of a fixed list, as "--option a b c" lines.
help_choices() {
    "$1" --help | sed -n 's/^  \(--[a-z][a-z-]*\) \([A-Za-z0-9]*\(|[A-Za-z0-9]*\)\{1,\}\)\( .*\)\{0,1\}$/\1 \2/p' |
        tr '|' ' '
}
